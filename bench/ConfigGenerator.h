#pragma once

#include <QByteArray>
#include <QString>

namespace ConfigGenerator {

// A player's config as found in the wild, repeated to about `bytes` bytes: the catalogue's own
// names with plain, quoted and decimal values, binds, aliases, comments, echo lines, names the
// program does not know, blank lines, and blocks of CR LF lines between blocks of LF lines.
// The same text every time (fixed seed).
QByteArray realisticConfig(qint64 bytes);

// Writes realisticConfig(bytes) to path; false when the file cannot be written.
bool writeRealisticConfig(const QString &path, qint64 bytes);

} // namespace ConfigGenerator
