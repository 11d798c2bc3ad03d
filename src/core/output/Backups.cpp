#include "core/output/Backups.h"

#include "core/input/OutsideFile.h"
#include "core/output/AtomicWrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

using namespace Qt::StringLiterals;

namespace Backups {
namespace {

const QString timeFormat = u"yyyyMMdd'T'HHmmss.zzz'Z'"_s;

QString canonical(const QString &path)
{
    const QString found = QFileInfo(path).canonicalFilePath();
    return found.isEmpty() ? QFileInfo(path).absoluteFilePath() : found;
}

QString folderOf(const QString &root, const QString &path)
{
    const QByteArray hash = QCryptographicHash::hash(canonical(path).toUtf8(), QCryptographicHash::Sha256);
    return root + u'/' + QString::fromLatin1(hash.toHex());
}

// The copies' names, oldest first: the times sort as text.
QStringList copyNames(const QString &folder)
{
    QStringList names = QDir(folder).entryList({u"*Z"_s}, QDir::Files, QDir::Name);
    names.removeIf([](const QString &name) { return !QDateTime::fromString(name, timeFormat).isValid(); });
    return names;
}

// Makes the file at path, failing when it exists; empty and private until it is written. On Windows the
// backups folder, the user's own, decides who may read it.
std::optional<QString> createAfresh(const QString &path)
{
    QFile file(path);
#ifdef Q_OS_WIN
    const bool made = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
#else
    const bool made =
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif
    return made ? std::nullopt : std::optional<QString>(file.errorString());
}

} // namespace

QString rootFolder(const QProcessEnvironment &environment, const QString &homeFolder)
{
#ifdef Q_OS_WIN
    const QString local = QDir::fromNativeSeparators(environment.value(u"LOCALAPPDATA"_s));
    return (QDir::isAbsolutePath(local) ? local : homeFolder + u"/AppData/Local"_s) + u"/Tunewick/backups"_s;
#else
    const QString state = environment.value(u"XDG_STATE_HOME"_s);
    return (QDir::isAbsolutePath(state) ? state : homeFolder + u"/.local/state"_s) + u"/tunewick/backups"_s;
#endif
}

QList<Copy> copiesOf(const QString &root, const QString &path)
{
    const QString folder = folderOf(root, path);
    const QStringList names = copyNames(folder);
    QList<Copy> copies;
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
        const QDateTime parsed = QDateTime::fromString(names[i], timeFormat);
        const QDateTime made(parsed.date(), parsed.time(), Qt::UTC);
        copies.append({folder + u'/' + names[i], made, QFileInfo(folder + u'/' + names[i]).size(), i == 0});
    }
    return copies;
}

std::optional<QString> backUp(const QString &root, const QString &path, const QDateTime &now)
{
    const OutsideFile::Bytes read = OutsideFile::readAll(path, maxFileSize);
    if (read.failure) {
        switch (read.failure->why) {
        case OutsideFile::Failure::Why::NotOrdinary:
            return u"it is not an ordinary file"_s;
        case OutsideFile::Failure::Why::TooLarge:
            return u"it is larger than %1 MB"_s.arg(maxFileSize / (qint64{1024} * 1024));
        case OutsideFile::Failure::Why::CannotOpen:
        case OutsideFile::Failure::Why::CannotRead:
            return read.failure->systemText;
        }
    }
    const QString folder = folderOf(root, path);
    if (!QDir().mkpath(folder))
        return u"the folder %1 cannot be made"_s.arg(QDir::toNativeSeparators(folder));
    const QString source = folder + u"/source"_s;
    if (!QFileInfo::exists(source)) {
        if (std::optional<QString> why = writeFileAtomically(source, canonical(path).toUtf8()))
            return why;
    }
    const QStringList names = copyNames(folder);
    if (!names.isEmpty()) {
        QFile newest(folder + u'/' + names.last());
        if (newest.open(QIODevice::ReadOnly) && newest.readAll() == read.bytes)
            return std::nullopt;
    }
    // Two saves within a millisecond take the next free one.
    QDateTime made = now.toUTC();
    while (QFileInfo::exists(folder + u'/' + made.toString(timeFormat)))
        made = made.addMSecs(1);
    const QString copy = folder + u'/' + made.toString(timeFormat);
    if (std::optional<QString> why = createAfresh(copy))
        return why;
    if (std::optional<QString> why = writeFileAtomically(copy, read.bytes)) {
        QFile::remove(copy);
        return why;
    }
    return std::nullopt;
}

void prune(const QString &root, const QString &path)
{
    const QString folder = folderOf(root, path);
    const QStringList names = copyNames(folder);
    for (qsizetype i = 1; i < names.size() - keptNewest; ++i)
        QFile::remove(folder + u'/' + names[i]);
}

} // namespace Backups
