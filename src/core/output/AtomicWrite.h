#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Replaces the file at `path` with `bytes`, or leaves it exactly as it was: the bytes go to a
// temporary file beside it, which takes the file's place only once it is complete and on disk.
// A symbolic link at `path` stays a link; the file it points to is replaced.
// Returns the reason when the file could not be written, nothing on success.
[[nodiscard]] std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes);
