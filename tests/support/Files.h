#pragma once

#include <QDir>
#include <QFile>

// The file's bytes; "<unreadable>" when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Makes the file's folder and writes the bytes as the whole file; false when any of that fails.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
           && file.write(bytes) == bytes.size();
}

// The system's words for a file that cannot be opened as it, or its folder, is missing.
inline QString missingText(const QString &path)
{
    QFile missing(path);
    return missing.open(QIODevice::ReadOnly) ? QString() : missing.errorString();
}
