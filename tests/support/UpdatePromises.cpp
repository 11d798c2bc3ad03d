#include "support/UpdatePromises.h"

#include "core/catalogue/Choices.h"
#include "core/input/ConfigCommands.h"
#include "core/output/ConfigText.h"
#include "support/ChoicesText.h"

#include <QMap>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

// The lines without their ends; CR LF, LF and CR each end one. The byte-order mark is no part of them.
QList<QByteArray> splitLines(QByteArrayView bytes)
{
    QByteArray text = bytes.sliced(bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0).toByteArray();
    QList<QByteArray> lines = text.replace("\r\n", "\n").replace('\r', '\n').split('\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // what follows the last line end, when nothing does
    return lines;
}

// The text with the value part of the last command naming each written setting cut out; the game reads
// past the others, so they must stay as they are. Those settings go to `named`.
QByteArray withoutLastValues(QByteArrayView bytes, const QSet<int> &written, QSet<int> &named)
{
    QMap<int, std::pair<qint64, qint64>> last;
    ConfigCommands commands([&](const ConfigCommands::Command &command) {
        if (written.contains(command.setting))
            last[command.setting] = {command.begin, command.end};
    });
    commands.feed(bytes);
    commands.finish();
    QList<std::pair<qint64, qint64>> values = last.values();
    std::sort(values.begin(), values.end());
    QByteArray rest;
    qint64 at = 0;
    for (const auto &[begin, end] : values) {
        rest.append(bytes.sliced(at, begin - at)).append('\0');
        at = end;
    }
    named = QSet<int>(last.keyBegin(), last.keyEnd());
    return rest.append(bytes.sliced(at));
}

} // namespace

QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const Choices &window)
{
    const QList<SettingLine> written = settingLinesSetInWindow(window);
    QSet<int> places, named, again;
    for (const SettingLine &setting : written)
        places.insert(setting.setting);
    const QList<QByteArray> kept = splitLines(withoutLastValues(existing, places, named));
    const QList<QByteArray> lines = splitLines(withoutLastValues(updated, places, again));
    if (existing.startsWith(byteOrderMark) != updated.startsWith(byteOrderMark))
        return u"byte-order mark added or lost"_s;
    if (lines.size() < kept.size() || lines.first(kept.size()) != kept)
        return u"a byte besides the values of the last commands of written settings changed"_s;
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
    const QList<SettingLine> got = fileSettingLines(openedConfig(updated, opened));
    for (const SettingLine &setting : written) {
        if (std::none_of(got.cbegin(), got.cend(), [&](const SettingLine &line) { return line.text == setting.text; }))
            return u"opened, not "_s + setting.text;
    }
    return {};
}
