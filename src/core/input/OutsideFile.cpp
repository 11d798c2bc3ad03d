#include "core/input/OutsideFile.h"

#include <QFile>
#include <QFileInfo>

namespace OutsideFile {

std::optional<Failure> stream(const QString &path, const std::function<bool(QByteArrayView)> &take)
{
    // A missing file is left to open(), which says so in the system's words.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Failure{Failure::Why::NotOrdinary, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{Failure::Why::CannotOpen, file.errorString()};
    QByteArray chunk(qint64{64} * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return Failure{Failure::Why::CannotRead, file.errorString()};
        if (got == 0 || !take(QByteArrayView(chunk.constData(), got)))
            return std::nullopt;
    }
}

Bytes readAll(const QString &path, qint64 limit)
{
    Bytes read;
    bool tooLarge = false;
    read.failure = stream(path, [&](QByteArrayView chunk) {
        read.bytes.append(chunk);
        tooLarge = read.bytes.size() > limit;
        return !tooLarge;
    });
    if (tooLarge)
        read.failure = Failure{Failure::Why::TooLarge, {}};
    if (read.failure)
        read.bytes.clear();
    return read;
}

} // namespace OutsideFile
