#include "support/UpdatePromises.h"

#include "core/catalogue/Choices.h"
#include "core/input/ConfigCommands.h"
#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

// A command naming a written setting with a value part: its setting, and that part's text.
using Named = std::pair<int, QByteArray>;

// The lines without their ends; CR LF, LF and CR each end one. The byte-order mark is no part of them.
QList<QByteArray> splitLines(QByteArrayView bytes)
{
    QByteArray text = bytes.sliced(bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0).toByteArray();
    QList<QByteArray> lines = text.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // what follows the last line end, when nothing does
    return lines;
}

// The text with the value part of each command naming a written setting cut out; the commands go to `named`.
QByteArray withoutValues(QByteArrayView bytes, const QSet<int> &written, QList<Named> &named)
{
    QByteArray rest;
    qint64 at = 0;
    ConfigCommands commands([&](const ConfigCommands::Command &command) {
        if (!written.contains(command.setting))
            return;
        named.append({command.setting, bytes.sliced(command.begin, command.end - command.begin).toByteArray()});
        rest.append(bytes.sliced(at, command.begin - at)).append('\0');
        at = command.end;
    });
    commands.feed(bytes);
    commands.finish();
    return rest.append(bytes.sliced(at));
}

} // namespace

QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const Choices &window)
{
    const QList<SettingLine> written = settingLinesSetInWindow(window);
    QSet<int> places, named;
    for (const SettingLine &setting : written)
        places.insert(setting.setting);
    QList<Named> before, after;
    const QList<QByteArray> kept = splitLines(withoutValues(existing, places, before));
    const QList<QByteArray> lines = splitLines(withoutValues(updated, places, after));
    if (existing.startsWith(byteOrderMark) != updated.startsWith(byteOrderMark))
        return u"byte-order mark added or lost"_s;
    if (lines.size() < kept.size() || lines.first(kept.size()) != kept)
        return u"a byte besides the values of written settings changed"_s;
    // The game reads past all but the last command of a setting: those stay as they are.
    for (qsizetype i = before.size() - 1; i >= 0; --i) {
        const bool last = !named.contains(before[i].first);
        named.insert(before[i].first);
        if (i >= after.size() || after[i].first != before[i].first || (!last && after[i] != before[i]))
            return u"a command the game reads past changed"_s;
    }
    QList<QByteArray> added;
    for (const SettingLine &setting : written) {
        if (!named.contains(setting.setting))
            added << setting.text.toLatin1();
    }
    if (splitLines(updated).sliced(kept.size()) != added)
        return u"not one line added for each setting no command names"_s;

    // Opened over choices that differ from the window in every setting it writes.
    Choices opened;
    for (int place = 0; place < Catalogue::settingCount; ++place) {
        const Catalogue::Setting &setting = Catalogue::setting(place);
        if (setting.kind == Catalogue::Kind::ThreeState)
            opened.setSwitch(place, window.switchState(place) == SwitchState::On ? SwitchState::Off : SwitchState::On);
        else if (setting.kind == Catalogue::Kind::Slider)
            opened.setSliderValue(place, window.sliderValue(place) == setting.slider.min ? setting.slider.max
                                                                                         : setting.slider.min);
    }
    opened.setDxMember((window.dxMember().value_or(0) + 1) % Catalogue::dxLevelCount);
    ConfigReader reader(opened);
    reader.feed(updated);
    reader.finish();
    const QList<SettingLine> got = fileSettingLines(opened);
    for (const SettingLine &setting : written) {
        if (std::none_of(got.cbegin(), got.cend(), [&](const SettingLine &line) { return line.text == setting.text; }))
            return u"opened, not "_s + setting.text;
    }
    return {};
}
