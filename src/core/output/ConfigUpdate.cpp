#include "core/output/ConfigUpdate.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/ValueRule.h"
#include "core/input/ConfigCommands.h"
#include "core/output/ConfigText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace ConfigUpdate {

namespace {

constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");

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
    OutsideFile::Bytes read = OutsideFile::readAll(path, maxFileSize);
    const bool binary = read.bytes.contains('\0');
    return {binary ? QByteArray() : std::move(read.bytes), read.failure, binary};
}

Updated update(QByteArrayView existing, const QList<SettingLine> &written)
{
    std::array<qsizetype, Catalogue::settingCount> at{};
    at.fill(-1);
    for (qsizetype i = 0; i < written.size(); ++i)
        at[static_cast<size_t>(written[i].setting.place())] = i;

    // Per written setting, the last command that names it with a value: the one the game acts on.
    struct Last {
        qint64 begin;
        qint64 end;
        bool quoted;
        bool asWritten; // it already reads as the written value
    };
    QList<std::optional<Last>> last(written.size());
    ConfigCommands commands([&](const ConfigCommands::Command &command) {
        const qsizetype i = at[static_cast<size_t>(command.setting.place())];
        if (i < 0)
            return;
        const auto reads = [&command](QByteArrayView value, bool longer) {
            return ValueRule::read(command.setting, value, longer).taken;
        };
        last[i] = Last{command.begin, command.end, command.quoted,
                       reads(command.value, command.longer) == reads(written[i].value, false)};
    });
    commands.feed(existing);
    commands.finish();

    Updated updated;
    for (qsizetype i = 0; i < written.size(); ++i) {
        if (!last[i])
            updated.added.append(written[i]);
        else if (!last[i]->asWritten) {
            const QByteArray &value = written[i].value;
            // Quoted as before; this also closes a quote left open.
            updated.edits.append({written[i].setting, last[i]->begin, last[i]->end,
                                  existing.sliced(last[i]->begin, last[i]->end - last[i]->begin).toByteArray(),
                                  last[i]->quoted ? '"' + value + '"' : value});
        }
    }
    std::sort(updated.edits.begin(), updated.edits.end(),
              [](const ValueEdit &a, const ValueEdit &b) { return a.begin < b.begin; });

    QByteArray &result = updated.bytes;
    result.reserve(existing.size() + written.size() * 32);
    qint64 from = 0;
    for (const ValueEdit &edit : std::as_const(updated.edits)) {
        result.append(existing.sliced(from, edit.begin - from));
        result.append(edit.newText);
        from = edit.end;
    }
    result.append(existing.sliced(from));

    const QByteArrayView lineEnd = firstLineEnd(existing);
    const QByteArrayView text = existing.startsWith(byteOrderMark) ? existing.sliced(byteOrderMark.size()) : existing;
    if (!updated.added.isEmpty() && !text.isEmpty() && !text.endsWith('\r') && !text.endsWith('\n'))
        result.append(lineEnd);
    for (const SettingLine &line : std::as_const(updated.added))
        result.append(line.text()).append(lineEnd);
    return updated;
}

QList<std::pair<QByteArray, QByteArray>> changedLines(QByteArrayView existing, const QList<ValueEdit> &edits)
{
    const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    QList<std::pair<QByteArray, QByteArray>> lines;
    qint64 lineStart = -1;
    qint64 lineEnd = 0;
    qint64 copied = 0; // how much of the line is in its new form
    const auto finishLine = [&] {
        if (lineStart >= 0)
            lines.last().second.append(existing.sliced(copied, lineEnd - copied));
    };
    for (const ValueEdit &edit : edits) {
        qint64 start = edit.begin;
        while (start > 0 && !isLineEnd(existing[start - 1]))
            --start;
        if (start != lineStart) { // a line of its own; a second edit on a line joins it
            finishLine();
            lineStart = copied = start;
            lineEnd = edit.end;
            while (lineEnd < existing.size() && !isLineEnd(existing[lineEnd]))
                ++lineEnd;
            lines.append({existing.sliced(start, lineEnd - start).toByteArray(), {}});
        }
        lines.last().second.append(existing.sliced(copied, edit.begin - copied)).append(edit.newText);
        copied = edit.end;
    }
    finishLine();
    return lines;
}

} // namespace ConfigUpdate
