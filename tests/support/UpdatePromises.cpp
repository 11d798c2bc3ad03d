#include "support/UpdatePromises.h"

#include "core/catalogue/Choices.h"
#include "core/catalogue/ValueRule.h"
#include "core/input/ConfigCommands.h"
#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"

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
        if (written.contains(command.setting.place()))
            last[command.setting.place()] = {command.begin, command.end};
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

QString brokenUpdatePromise(QByteArrayView existing, const ConfigUpdate::Updated &update,
                            const QList<SettingLine> &written)
{
    const QByteArray &updated = update.bytes;
    QSet<int> places, named, again;
    for (const SettingLine &setting : written)
        places.insert(setting.setting.place());
    const QList<QByteArray> kept = splitLines(withoutLastValues(existing, places, named));
    const QList<QByteArray> lines = splitLines(withoutLastValues(updated, places, again));
    if (existing.startsWith(byteOrderMark) != updated.startsWith(byteOrderMark))
        return u"byte-order mark added or lost"_s;
    if (lines.size() < kept.size() || lines.first(kept.size()) != kept)
        return u"a byte besides the values of the last commands of written settings changed"_s;
    QList<QByteArray> added;
    for (const SettingLine &setting : written) {
        if (!named.contains(setting.setting.place()))
            added << setting.text();
    }
    if (splitLines(updated).sliced(kept.size()) != added)
        return u"not one line added for each setting no command names"_s;

    // The edits listed, applied to the old bytes, give the new ones up to the added lines.
    QByteArray edited;
    qint64 at = 0;
    for (const ConfigUpdate::ValueEdit &edit : update.edits) {
        if (edit.begin < at || existing.sliced(edit.begin, edit.end - edit.begin) != edit.oldText)
            return u"an edit out of order or not of the old bytes"_s;
        edited.append(existing.sliced(at, edit.begin - at)).append(edit.newText);
        at = edit.end;
    }
    edited.append(existing.sliced(at));
    QList<QByteArray> listed;
    for (const SettingLine &line : update.added)
        listed << line.text();
    if (!updated.startsWith(edited) || listed != added)
        return u"the edits and added lines listed do not make the new bytes"_s;

    // Opened, the last command naming each written setting gives the window's value.
    Choices opened;
    ConfigReader reader(opened);
    reader.feed(updated);
    reader.finish();
    for (const SettingLine &setting : written) {
        const auto &last = reader.lastValues()[size_t(setting.setting.place())];
        const auto reads = [&setting](QByteArrayView value, bool longer) {
            return ValueRule::read(setting.setting, value, longer).taken;
        };
        if (!last || reads(last->text, last->longer) != reads(setting.value, false))
            return u"opened, not "_s + QString::fromLatin1(setting.text());
    }
    return {};
}
