#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class QProcessEnvironment;

// Copies of the files a save overwrites, kept so that the player can take a save back. The copies of
// one file live in a folder of their own, named by the SHA-256 of the file's canonical path, beside a
// `source` file holding that path; each copy is named by the UTC time it was made.
namespace Backups {

// The first copy ever made of a file is kept, and the newest of the rest.
inline constexpr int keptNewest = 10;
// A larger file is copied by no backup; the player may still save without one.
inline constexpr qint64 maxFileSize = qint64{64} * 1024 * 1024;

// $XDG_STATE_HOME/tunewick/backups when XDG_STATE_HOME is an absolute path, else
// ~/.local/state/tunewick/backups. On Windows %LOCALAPPDATA%\Tunewick\backups, the program's
// QStandardPaths::AppLocalDataLocation, else ~/AppData/Local/Tunewick/backups.
QString rootFolder(const QProcessEnvironment &environment, const QString &homeFolder);

struct Copy {
    QString path;
    QDateTime made; // UTC
    qint64 size;
    bool first; // the first copy ever made of the file
};

// The copies of the file at `path`, newest first.
QList<Copy> copiesOf(const QString &root, const QString &path);

// Copies the bytes the file at `path` holds now, unless the newest copy holds the same. A copy is
// created afresh (never over another) with mode 0600 (on Windows, as the folder allows), as the file
// may be private. The reason when no copy can be made: the folder cannot be written, the disk is
// full, the file is no ordinary file.
[[nodiscard]] std::optional<QString> backUp(const QString &root, const QString &path, const QDateTime &now);

// Once a save over the file succeeded: drops all copies but the first and the newest keptNewest.
void prune(const QString &root, const QString &path);

} // namespace Backups
