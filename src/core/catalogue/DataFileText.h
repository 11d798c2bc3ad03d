#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The program's data files: 8-bit text in the Windows-1252 code page, one entry a line.
namespace DataFileText {

struct Lines {
    QStringList lines;            // verbatim, without their line ends
    bool moreFollow = false;      // the file goes on after the last line taken
    std::optional<QString> error; // why the file could not be read
};

// The first maxLines lines. CR LF, CR alone, LF alone and the end of the text each end a line;
// an empty text has no lines.
Lines splitLines(QByteArrayView bytes, int maxLines);

// As above, from a file; reading stops once it is known whether more lines follow.
[[nodiscard]] Lines readLines(const QString &path, int maxLines);

} // namespace DataFileText
