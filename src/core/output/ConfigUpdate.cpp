#include "core/output/ConfigUpdate.h"

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Choices.h"
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

QByteArray updateText(QByteArrayView existing, const Choices &choices)
{
    const QList<SettingLine> settings = settingLinesSetInWindow(choices);
    std::array<qsizetype, Catalogue::settingCount> written{};
    written.fill(-1);
    for (qsizetype i = 0; i < settings.size(); ++i)
        written[static_cast<size_t>(settings[i].setting.place())] = i;

    // Per written setting, the last command that names it with a value: the one the game acts on.
    struct Last {
        qint64 begin;
        qint64 end;
        bool quoted;
        bool asWindow; // Open reads the window's value from it
    };
    QList<std::optional<Last>> last(settings.size());
    ConfigCommands commands([&](const ConfigCommands::Command &command) {
        const qsizetype at = written[static_cast<size_t>(command.setting.place())];
        if (at < 0)
            return;
        const ValueRule::Reading reading = ValueRule::read(command.setting, command.value, command.longer);
        last[at] = Last{command.begin, command.end, command.quoted, reading.taken == choices.value(command.setting)};
    });
    commands.feed(existing);
    commands.finish();

    // Only the value text of those commands changes, in the file's order.
    QList<std::pair<Last, QByteArray>> edits;
    for (qsizetype i = 0; i < settings.size(); ++i) {
        if (!last[i] || last[i]->asWindow)
            continue;
        const QByteArray &value = settings[i].value;
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
        result.append(settings[i].text());
        result.append(lineEnd);
    }
    return result;
}

} // namespace ConfigUpdate
