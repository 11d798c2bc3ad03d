#include "core/output/AtomicWrite.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

using namespace Qt::StringLiterals;

#ifdef Q_OS_UNIX

namespace {

// The system's reason for the call that just failed; what failed, in words, when it gives none.
QString reason(const QString &whatFailed)
{
    const int error = errno;
    return error != 0 ? qt_error_string(error) : whatFailed;
}

// The file that symbolic links at `path` lead to, existing or not: a save through a link replaces it.
QString linkedFile(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
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

    // A short name of its own: one made from the target's would exceed the 255 bytes a name may have.
    // Beside the target, as a rename cannot leave its file system. A new file gets from 0666 what the
    // umask leaves, as any new file would; an existing file's permissions are copied below.
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "/.tunewick-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
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

// The file's reason for its failure; what failed, in words, when it gives none.
QString reason(const QFileDevice &file, const QString &whatFailed)
{
    return file.error() != QFileDevice::NoError && file.errorString() != QFile().errorString() ? file.errorString()
                                                                                               : whatFailed;
}

} // namespace

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Writing straight into the target when no temporary file can be made would lose it on failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reason(file, u"no temporary file could be made in its folder"_s);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = reason(file, u"the temporary file could not be written"_s);
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return reason(file, u"the temporary file could not be renamed over it"_s);
    return std::nullopt;
}

#endif
