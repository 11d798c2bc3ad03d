#pragma once

#include "core/input/OutsideFile.h"

#include <QByteArray>
#include <QByteArrayView>

class Choices;

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

// The existing file with the settings set in this window (settingLinesSetInWindow) brought to the
// window's values. For each, only the last command naming it with a value part counts, as in the
// game (ConfigCommands): when Open would read the window's value from it, it stays; otherwise its
// value text, from its first non-blank byte to its last, becomes the written number, quoted when it
// began with a quote. Every other byte stays: the name as spelt, blanks, comments, further commands
// on the line, earlier commands, the byte-order mark and the line ends. Written settings that no
// command names with a value follow the last line in the saved file's order, each ended with the
// file's first line end (CR LF when it has none).
QByteArray updateText(QByteArrayView existing, const Choices &choices);

} // namespace ConfigUpdate
