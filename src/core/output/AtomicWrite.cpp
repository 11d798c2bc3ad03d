#include "core/output/AtomicWrite.h"

#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <QDir>

#include <algorithm>
#include <string>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// The file that symbolic links at `path` lead to, existing or not: a save through a link replaces it.
// A Windows shortcut (.lnk) is a file of its own, not a link.
QString linkedFile(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymbolicLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// A short name of its own: one made from the target's would exceed the 255 characters a name may have.
QString temporaryName()
{
    return u".tunewick-"_s + QString::number(QRandomGenerator::global()->generate(), 36);
}

} // namespace

#ifndef Q_OS_WIN

namespace {

// The system's reason for the call that just failed; what failed, in words, when it gives none.
QString reason(const QString &whatFailed)
{
    const int error = errno;
    return error != 0 ? qt_error_string(error) : whatFailed;
}

} // namespace

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString target = linkedFile(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing = {};
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return reason(u"the file could not be looked up"_s);
    // Renaming over a file its owner made read-only would overrule that choice.
    if (exists && ::faccessat(AT_FDCWD, targetName.constData(), W_OK, AT_EACCESS) != 0)
        return reason(u"the file may not be written"_s);

    // Beside the target, as a rename cannot leave its file system. A new file gets from 0666 what the
    // umask leaves, as any new file would; an existing file's permissions are copied below.
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + '/' + QFile::encodeName(temporaryName());
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return reason(u"no temporary file could be made in its folder"_s);

    const auto abandon = [&fd, &temporary](QString why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return why;
    };
    if (exists && ::fchmod(fd, existing.st_mode & 0777) != 0)
        return abandon(reason(u"the temporary file could not take the file's permissions"_s));
    for (qsizetype written = 0; written < bytes.size();) {
        errno = 0; // a write that stores nothing need not say why
        const ssize_t now = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return abandon(reason(u"the temporary file could not be written"_s));
        written += now;
    }
    // Some file systems report a full disk only here. EINVAL only says the file system cannot sync.
    if (::fsync(fd) != 0 && errno != EINVAL)
        return abandon(reason(u"the temporary file could not be written to the disk"_s));
    const int closed = ::close(fd);
    fd = -1; // closed even when close() fails
    if (closed != 0)
        return abandon(reason(u"the temporary file could not be closed"_s));
    if (::rename(temporary.constData(), targetName.constData()) != 0)
        return abandon(reason(u"the temporary file could not be renamed over it"_s));
    return std::nullopt;
}

#else

namespace {

// The system's reason for the call that just failed; what failed, in words, when it gives none.
QString reason(const QString &whatFailed)
{
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? qt_error_string(static_cast<int>(error)) : whatFailed;
}

// The name the wide-character calls take: absolute, with backslashes, and marked so that a path longer
// than 260 characters is taken as it is.
std::wstring windowsName(const QString &path)
{
    const QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return (native.startsWith(u"\\\\"_s) ? u"\\\\?\\UNC\\"_s + native.mid(2) : u"\\\\?\\"_s + native).toStdWString();
}

} // namespace

// The folder's permissions alone decide who may read the new file: a file made in it inherits them,
// and the rename keeps them.
std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString target = linkedFile(path);
    const std::wstring targetName = windowsName(target);
    const DWORD attributes = GetFileAttributesW(targetName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND)
        return reason(u"the file could not be looked up"_s);
    // Replacing a file its owner made read-only would overrule that choice.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return qt_error_string(ERROR_ACCESS_DENIED);

    // Beside the target, as a move within one volume only renames.
    const QString folder = QFileInfo(target).absolutePath();
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = windowsName(folder + u'/' + temporaryName());
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return reason(u"no temporary file could be made in its folder"_s);

    const auto abandon = [&file, &temporary](QString why) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return why;
    };
    for (qsizetype written = 0; written < bytes.size();) {
        SetLastError(ERROR_SUCCESS); // a write that stores nothing need not say why
        const DWORD chunk = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - written, 1 << 30));
        DWORD now = 0;
        if (!WriteFile(file, bytes.constData() + written, chunk, &now, nullptr) || now == 0)
            return abandon(reason(u"the temporary file could not be written"_s));
        written += now;
    }
    // Some file systems report a full disk only here.
    if (!FlushFileBuffers(file))
        return abandon(reason(u"the temporary file could not be written to the disk"_s));
    const BOOL closed = CloseHandle(file);
    file = INVALID_HANDLE_VALUE; // closed even when CloseHandle fails
    if (!closed)
        return abandon(reason(u"the temporary file could not be closed"_s));
    // The move replaces the old file at once, and returns only once it is on the disk.
    if (!MoveFileExW(temporary.c_str(), targetName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return abandon(reason(u"the temporary file could not be renamed over it"_s));
    return std::nullopt;
}

#endif
