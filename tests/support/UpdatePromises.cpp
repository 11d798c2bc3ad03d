#include "support/UpdatePromises.h"

#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"
#include "support/FakeRows.h"

#include <QHash>
#include <QList>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

struct Line {
    QByteArrayView text;
    QByteArrayView end;
};

QList<Line> splitLines(QByteArrayView bytes)
{
    if (bytes.startsWith(byteOrderMark))
        bytes = bytes.sliced(byteOrderMark.size());
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const qsizetype endSize = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
        lines.append({bytes.sliced(start, i - start), bytes.sliced(i, endSize)});
        start = i + endSize;
        i = start - 1;
    }
    if (start < bytes.size())
        lines.append({bytes.sliced(start), {}});
    return lines;
}

// The text before the first space of a line that is not empty, not a comment and holds a space.
QByteArray namePart(QByteArrayView text)
{
    const qsizetype space = text.indexOf(' ');
    return text.startsWith('/') || space < 0 ? QByteArray() : text.first(space).toByteArray();
}

// Rows that differ from the window in every row it writes.
FakeRows otherThan(const RowAccess &window)
{
    FakeRows rows;
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        if (window.rowState(row) != RowState::Default)
            rows.select(row, window.rowState(row) == RowState::On ? RowState::Off : RowState::On);
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
        rows.setSliderValue(k, window.sliderValue(k) == range.min ? range.max : range.min);
    }
    if (const std::optional<int> dx = window.selectedDx())
        rows.selectDx((*dx + 1) % Catalogue::dxLevelCount);
    return rows;
}

} // namespace

QString brokenUpdatePromise(QByteArrayView existing, QByteArrayView updated, const RowAccess &window)
{
    const QList<SettingLine> settings = fileSettingLines(window);
    QHash<QByteArray, QByteArray> written; // name: its line
    for (const SettingLine &setting : settings)
        written.insert(setting.name.toLatin1(), setting.text.toLatin1());
    if (existing.startsWith(byteOrderMark) != updated.startsWith(byteOrderMark))
        return u"byte-order mark added or lost"_s;
    const QList<Line> before = splitLines(existing);
    const QList<Line> after = splitLines(updated);
    if (after.size() < before.size())
        return u"lines lost"_s;

    QSet<QByteArray> named;
    const auto ended =
        std::find_if(before.cbegin(), before.cend(), [](const Line &line) { return !line.end.isEmpty(); });
    const QByteArrayView firstEnd = ended == before.cend() ? QByteArrayView("\r\n") : ended->end;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QByteArray name = namePart(before[i].text);
        const bool writtenName = written.contains(name);
        const bool endKept = after[i].end == before[i].end
                             || (before[i].end.isEmpty() && i + 1 == before.size() && after[i].end == firstEnd
                                 && after.size() > before.size());
        if (!endKept || (after[i].text != before[i].text && !(writtenName && after[i].text == written[name])))
            return u"line %1 became \"%2\""_s.arg(i + 1).arg(QString::fromLatin1(after[i].text));
        if (writtenName)
            named.insert(name);
    }
    QByteArrayList expectedAdded, added;
    for (const SettingLine &setting : settings) {
        if (!named.contains(setting.name.toLatin1()))
            expectedAdded << setting.text.toLatin1() + firstEnd.toByteArray();
    }
    for (qsizetype i = before.size(); i < after.size(); ++i)
        added << after[i].text.toByteArray() + after[i].end.toByteArray();
    if (added != expectedAdded)
        return u"added: \"%1\""_s.arg(QString::fromLatin1(added.join()));

    FakeRows opened = otherThan(window);
    ConfigReader reader(opened);
    reader.feed(updated);
    reader.finish();
    const QList<SettingLine> got = fileSettingLines(opened);
    for (const SettingLine &setting : settings) {
        if (std::none_of(got.cbegin(), got.cend(), [&](const SettingLine &line) { return line.text == setting.text; }))
            return u"opened, not "_s + setting.text;
    }
    return {};
}
