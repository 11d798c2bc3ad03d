#pragma once

#include "core/input/OutsideFile.h"
#include "core/output/ConfigText.h"

#include <QByteArray>
#include <QByteArrayView>

// Saving over a player's own config without losing a byte of it: only the values of the settings
// this save writes change.
namespace ConfigUpdate {

// The whole file is held in memory while it is updated.
inline constexpr qint64 maxFileSize = qint64{16} * 1024 * 1024;

// An existing file as the updater takes it: its bytes, or why it can only be replaced.
struct Existing {
    QByteArray bytes;
    std::optional<OutsideFile::Failure> failure; // it is no ordinary file, too large or unreadable
    bool binary = false;                         // it holds a NUL byte: no text a player keeps

    bool canUpdate() const { return !failure && !binary; }
};

// Only an ordinary file of at most maxFileSize bytes without a NUL byte is updated.
Existing readExisting(const QString &path);

// One value text Update replaces.
struct ValueEdit {
    Catalogue::SettingId setting;
    qint64 begin; // the old value text in the existing bytes: its first byte,
    qint64 end;   // and one past its last
    QByteArray oldText;
    QByteArray newText;
};

struct Updated {
    QByteArray bytes;
    QList<ValueEdit> edits;   // in the file's order
    QList<SettingLine> added; // the lines added after the last one, in their order

    bool changesNothing() const { return edits.isEmpty() && added.isEmpty(); }
};

// The existing file with the `written` settings brought to their values. For each, only the last
// command naming it with a value part counts, as in the game (ConfigCommands): when it already reads
// as the written value, it stays; otherwise its value text, from its first non-blank byte to its last,
// becomes the written value, quoted when it began with a quote. Every other byte stays: the name as
// spelt, blanks, comments, further commands on the line, earlier commands, the byte-order mark and
// the line ends. Written settings that no command names with a value follow the last line in their
// order, each ended with the file's first line end (CR LF when it has none).
Updated update(QByteArrayView existing, const QList<SettingLine> &written);

// The lines the edits change, each before and after them, in the file's order.
QList<std::pair<QByteArray, QByteArray>> changedLines(QByteArrayView existing, const QList<ValueEdit> &edits);

} // namespace ConfigUpdate
