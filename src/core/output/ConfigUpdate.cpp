#include "core/output/ConfigUpdate.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Choices.h"
#include "core/input/ConfigCommands.h"
#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace ConfigUpdate {

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

// Makes `setting` differ from the window's value, so that reading a line shows whether the line
// gives the window's value.
void unsetInProbe(Choices &probe, const Choices &window, int setting)
{
    switch (Catalogue::setting(setting).kind) {
    case Catalogue::Kind::ThreeState:
        probe.setSwitch(setting, window.switchState(setting) == SwitchState::On ? SwitchState::Off : SwitchState::On);
        return;
    case Catalogue::Kind::Slider: {
        const Catalogue::SliderRange &range = Catalogue::setting(setting).slider;
        probe.setSliderValue(setting, window.sliderValue(setting) == range.min ? range.max : range.min);
        return;
    }
    case Catalogue::Kind::DirectX:
        probe.setDxMember((window.dxMember().value_or(0) + 1) % Catalogue::dxLevelCount);
        return;
    }
}

// The line end of added lines: the file's first, CR LF when it has none.
QByteArrayView firstLineEnd(QByteArrayView bytes)
{
    const auto *const end = std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    if (end == bytes.end())
        return "\r\n";
    const bool crLf = *end == '\r' && end + 1 != bytes.end() && end[1] == '\n';
    return bytes.sliced(end - bytes.begin(), crLf ? 2 : 1);
}

} // namespace

Existing readExisting(const QString &path)
{
    // Checked before opening: opening a named pipe already blocks.
    const QFileInfo info(path);
    if (!info.isFile())
        return {{}, u"it is not an ordinary file"_s};
    const QString tooLarge = u"it is larger than 16 MB"_s;
    if (info.size() > maxFileSize)
        return {{}, tooLarge};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, u"it cannot be read (%1)"_s.arg(file.errorString())};
    // Read to its end, not to the size seen above: the file may have grown since.
    QByteArray bytes;
    QByteArray chunk(qint64{64} * 1024, Qt::Uninitialized);
    for (qint64 got = 0; (got = file.read(chunk.data(), chunk.size())) != 0;) {
        if (got < 0)
            return {{}, u"it cannot be read (%1)"_s.arg(file.errorString())};
        bytes.append(chunk.constData(), got);
        if (bytes.size() > maxFileSize)
            return {{}, tooLarge};
    }
    if (bytes.contains('\0'))
        return {{}, u"it holds binary data"_s};
    return {bytes, {}};
}

QByteArray updateText(QByteArrayView existing, const Choices &choices)
{
    const QList<SettingLine> settings = settingLinesSetInWindow(choices);
    std::array<qsizetype, Catalogue::settingCount> written{};
    written.fill(-1);
    for (qsizetype i = 0; i < settings.size(); ++i)
        written[static_cast<size_t>(settings[i].setting)] = i;

    // Per written setting, the last command that names it with a value: the one the game acts on.
    struct Last {
        qint64 begin;
        qint64 end;
        bool quoted;
        bool asWindow; // Open reads the window's value from it
    };
    QList<std::optional<Last>> last(settings.size());
    ConfigCommands commands([&](const ConfigCommands::Command &command) {
        const qsizetype at = written[static_cast<size_t>(command.setting)];
        if (at < 0)
            return;
        Choices probe = choices;
        unsetInProbe(probe, choices, command.setting);
        ConfigReader::take(probe, command);
        last[at] = Last{command.begin, command.end, command.quoted, probe == choices};
    });
    commands.feed(existing);
    commands.finish();

    // Only the value text of those commands changes, in the file's order.
    QList<std::pair<Last, QByteArray>> edits;
    for (qsizetype i = 0; i < settings.size(); ++i) {
        if (!last[i] || last[i]->asWindow)
            continue;
        const qsizetype nameSize = qsizetype(Catalogue::setting(settings[i].setting).name.size());
        const QByteArray value = settings[i].text.sliced(nameSize + 1).toLatin1();
        // Quoted as before; this also closes a quote left open.
        edits.append({*last[i], last[i]->quoted ? '"' + value + '"' : value});
    }
    std::sort(edits.begin(), edits.end(), [](const auto &a, const auto &b) { return a.first.begin < b.first.begin; });

    QByteArray result;
    result.reserve(existing.size() + settings.size() * 32);
    qint64 at = 0;
    for (const auto &[command, value] : edits) {
        result.append(existing.sliced(at, command.begin - at));
        result.append(value);
        at = command.end;
    }
    result.append(existing.sliced(at));

    const QByteArrayView lineEnd = firstLineEnd(existing);
    const QByteArrayView text = existing.startsWith(byteOrderMark) ? existing.sliced(byteOrderMark.size()) : existing;
    bool lastLineEnded = text.isEmpty() || text.endsWith('\r') || text.endsWith('\n');
    for (qsizetype i = 0; i < settings.size(); ++i) {
        if (last[i])
            continue;
        if (!lastLineEnded)
            result.append(lineEnd);
        lastLineEnded = true;
        result.append(settings[i].text.toLatin1());
        result.append(lineEnd);
    }
    return result;
}

} // namespace ConfigUpdate
