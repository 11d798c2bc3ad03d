#include "core/output/AtomicWrite.h"

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
    // Unbuffered, so a short write shows here and the retry of the rest yields the system's reason
    // (a buffered flush that writes only part reports no reason at all).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();

    const auto abandon = [&file](QString reason) {
        file.cancelWriting();
        return reason;
    };
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0)
            return abandon(file.errorString());
        written += now;
    }
    // QSaveFile::commit() in Qt 6.4 ignores a failing final flush and renames a truncated file over
    // the old one: nothing may be left to flush when it runs.
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
