#include "core/input/OpenReport.h"

#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/Choices.h"
#include "core/catalogue/NumberText.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace OpenReport {
namespace {

bool windowCanShow(int setting, const ConfigReader::LastValue &value)
{
    const std::optional<double> number =
        value.longer ? std::nullopt : NumberText::parseNumber(QString::fromLatin1(value.text));
    if (!number)
        return false;
    const Catalogue::Setting &row = Catalogue::setting(setting);
    switch (row.kind) {
    case Catalogue::Kind::ThreeState:
        return *number == 0 || *number == 1;
    case Catalogue::Kind::Slider:
        return *number == std::trunc(*number) && *number >= row.slider.min && *number <= row.slider.max;
    case Catalogue::Kind::DirectX:
        return std::find(Catalogue::dxLevels.begin(), Catalogue::dxLevels.end(), *number) != Catalogue::dxLevels.end();
    }
    return false;
}

QString shownValue(int setting, const Choices &choices)
{
    switch (Catalogue::setting(setting).kind) {
    case Catalogue::Kind::ThreeState:
        switch (choices.switchState(setting)) {
        case SwitchState::On:
            return u"On"_s;
        case SwitchState::Off:
            return u"Off"_s;
        case SwitchState::Default:
            return u"neither On nor Off"_s;
        }
        break;
    case Catalogue::Kind::Slider:
        return QString::number(choices.sliderValue(setting));
    case Catalogue::Kind::DirectX:
        if (const std::optional<int> member = choices.dxMember())
            return toQString(Catalogue::dxCaptions[static_cast<size_t>(*member)]);
        return u"no level"_s;
    }
    return {};
}

} // namespace

QList<Unshown> unshownValues(const LastValues &lastValues, const Choices &opened)
{
    QList<Unshown> unshown;
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        const std::optional<ConfigReader::LastValue> &value = lastValues[static_cast<size_t>(place)];
        if (!value || windowCanShow(place, *value))
            continue;
        // Players' configs are ASCII or UTF-8; a character cut at the end shows as a replacement.
        const QString text = QString::fromUtf8(value->text) + (value->longer ? u"..."_s : QString());
        unshown.append({place, text, shownValue(place, opened)});
    }
    return unshown;
}

int settingsRead(const LastValues &lastValues)
{
    return static_cast<int>(
        std::count_if(lastValues.begin(), lastValues.end(), [](const auto &v) { return v.has_value(); }));
}

QString text(const QString &shownName, int settingsRead, const QList<Unshown> &unshown)
{
    const QString read = settingsRead == 1 ? u"1 setting was"_s : u"%1 settings were"_s.arg(settingsRead);
    QStringList lines{u"%1 read from %2. The window cannot show these values from the file, and shows instead:"_s.arg(
                          read, shownName),
                      QString()};
    for (const Unshown &each : unshown)
        lines << u"%1 %2: %3"_s.arg(toQString(Catalogue::setting(each.setting).name), each.fileText, each.shown);
    lines << QString() << u"Saving over the file with Update keeps these values, unless you set them in this window."_s;
    return lines.join(u'\n');
}

} // namespace OpenReport
