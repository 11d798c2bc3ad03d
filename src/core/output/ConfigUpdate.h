#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class Choices;

// Saving over a player's own config without losing a line of it: only the lines of the settings
// this save writes change.
namespace ConfigUpdate {

// The whole file is held in memory while it is updated.
inline constexpr qint64 maxFileSize = qint64{16} * 1024 * 1024;

// An existing file as the updater takes it: its bytes, or why it can only be replaced.
struct Existing {
    QByteArray bytes;
    QString whyNot; // a phrase such as "it is larger than 16 MB"; empty when it can be updated
};

// Only an ordinary file of at most maxFileSize bytes without a NUL byte is updated: anything else
// is no text a player keeps, and a named pipe or a device would never end.
Existing readExisting(const QString &path);

// The existing file with the settings the saved file writes (fileSettingLines) brought to the
// window's values. A line that Open takes as a written setting's stays as it is when Open would
// give the setting the rows' value from it; otherwise it becomes the setting's line, keeping its
// own line end. Every other line, the byte-order mark and the line ends stay. Written settings
// that no line names follow the last line in the saved file's order, each ended with the file's
// first line end (CR LF when it has none).
QByteArray updateText(QByteArrayView existing, const Choices &choices);

} // namespace ConfigUpdate
