#pragma once

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#endif

// The system's codes for a missing file and a missing folder; the program reports them in the system's
// own words, qt_error_string(code).
#ifdef Q_OS_WIN
inline constexpr int noSuchFile = ERROR_FILE_NOT_FOUND, noSuchFolder = ERROR_PATH_NOT_FOUND;
#else
inline constexpr int noSuchFile = ENOENT, noSuchFolder = ENOENT;
#endif

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

// Makes a named pipe; Windows has none in its file system, so the tests that lay one skip there.
inline bool makeNamedPipe(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path)
    return false;
#else
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}
