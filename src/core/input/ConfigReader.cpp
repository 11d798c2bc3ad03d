#include "core/input/ConfigReader.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Choices.h"
#include "core/catalogue/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <cmath>

namespace {

constexpr qint64 chunkSize = qint64{64} * 1024;

} // namespace

ConfigReader::ConfigReader(Choices &choices)
    : m_choices(choices)
    , m_commands([this](const ConfigCommands::Command &command) {
        std::optional<LastValue> &last = m_lastValues[static_cast<size_t>(command.setting)];
        if (!last)
            last.emplace();
        // Emptied, not replaced: the buffer is kept for the setting's next command.
        last->text.resize(0);
        last->text.append(command.value);
        last->longer = command.longer;
        take(m_choices, command);
    })
{
}

void ConfigReader::read(QIODevice &device)
{
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(chunk.data(), chunk.size());
        if (got <= 0)
            break;
        feed(QByteArrayView(chunk.constData(), got));
    }
    finish();
}

bool ConfigReader::readFile(const QString &path)
{
    // Checked before opening: opening a pipe already blocks.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    read(file);
    return true;
}

void ConfigReader::take(Choices &choices, const ConfigCommands::Command &command)
{
    // A longer value is never a number.
    if (command.longer)
        return;
    std::array<char16_t, ConfigCommands::keptValueSize> wide{};
    std::copy(command.value.begin(), command.value.end(), wide.begin());
    const QStringView value(wide.data(), command.value.size());
    const int setting = command.setting;
    switch (Catalogue::setting(setting).kind) {
    case Catalogue::Kind::ThreeState:
        // Only the value 1 means On; a value that is not a number leaves the switch as it is.
        if (const std::optional<double> number = NumberText::parseNumber(value))
            choices.setSwitch(setting, *number == 1.0 ? SwitchState::On : SwitchState::Off);
        return;
    case Catalogue::Kind::Slider: {
        // A value the slider cannot show leaves it as it is, as one that is not a number does.
        const Catalogue::SliderRange &range = Catalogue::setting(setting).slider;
        if (const std::optional<std::int32_t> whole = NumberText::toWhole32(value);
            whole && *whole >= range.min && *whole <= range.max)
            choices.setSliderValue(setting, *whole);
        return;
    }
    case Catalogue::Kind::DirectX:
        // Only an exact level counts: 80.5 selects nothing.
        if (const std::optional<double> number = NumberText::parseNumber(value);
            number && *number == std::trunc(*number) && std::abs(*number) <= Catalogue::dxLevels.back()) {
            if (const std::optional<int> member = Catalogue::dxMemberForLevel(static_cast<int>(*number)))
                choices.setDxMember(*member);
        }
        return;
    }
}
