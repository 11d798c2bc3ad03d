#include "output/AtomicWrite.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Writing straight into the target when no temporary file can be made would lose it on failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();

    const auto abandon = [&file](QString reason) {
        file.cancelWriting();
        return reason;
    };
    if (file.write(bytes) != bytes.size())
        return abandon(file.errorString());
    // QSaveFile::commit() in Qt 6.4 ignores a failing final flush and renames a truncated file
    // over the old one, so every byte must be out of the buffer before committing.
    if (!file.flush())
        return abandon(file.errorString());
#ifdef Q_OS_UNIX
    // commit() ignores errors from syncing too; some file systems report a full disk only here.
    // EINVAL only says the file system cannot sync.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return abandon(qt_error_string(errno));
#endif
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
