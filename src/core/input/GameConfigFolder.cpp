#include "core/input/GameConfigFolder.h"

#include "core/input/KeyValues.h"
#include "core/input/OutsideFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

#include <algorithm>

using namespace Qt::StringLiterals;

namespace GameConfigFolder {
namespace {

bool isNumber(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// A list that cannot be read whole lists no libraries.
QByteArray readLibraryList(const QString &path)
{
    return OutsideFile::readAll(path, maxLibraryListSize).bytes;
}

} // namespace

QStringList steamFolders(const QString &homeFolder, const QProcessEnvironment &environment)
{
    QStringList candidates;
#ifdef Q_OS_WIN
    // Read only on Windows: elsewhere QSettings would take this path for a settings file.
    const QSettings steam(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat);
    candidates << QDir::fromNativeSeparators(steam.value(u"SteamPath"_s).toString());
#endif
    // A relative home or data folder would be taken from wherever the program was started.
    const bool homeKnown = QDir::isAbsolutePath(homeFolder);
    const QString dataHome = environment.value(u"XDG_DATA_HOME"_s);
    if (QDir::isAbsolutePath(dataHome))
        candidates << dataHome + u"/Steam"_s;
    else if (homeKnown)
        candidates << homeFolder + u"/.local/share/Steam"_s;
    if (homeKnown) {
        for (const char16_t *inHome :
             {u"/.steam/steam", u"/.steam/root", u"/.steam/debian-installation",
              u"/.var/app/com.valvesoftware.Steam/.local/share/Steam", u"/snap/steam/common/.local/share/Steam"})
            candidates << homeFolder + QString::fromUtf16(inHome);
    }

    QStringList folders;
    for (const QString &candidate : std::as_const(candidates)) {
        // Several of these are usually links to one folder; a link loop has no canonical path.
        const QFileInfo folder(candidate);
        const QString canonical = folder.canonicalFilePath();
        if (!canonical.isEmpty() && folder.isDir() && !folders.contains(canonical))
            folders << canonical;
    }
    return folders;
}

QStringList libraryFolders(QByteArrayView listText)
{
    const std::optional<QList<KeyValues::Node>> nodes = KeyValues::parse(listText);
    const KeyValues::Node *list = nodes ? KeyValues::find(*nodes, u"libraryfolders") : nullptr;
    if (!list || !list->isBlock)
        return {};
    QStringList folders;
    // Libraries are numbered; other keys hold Steam's own bookkeeping.
    for (const KeyValues::Node &entry : list->children) {
        if (!isNumber(entry.key))
            continue;
        // Older lists give the path as the value, newer ones as the "path" key of a block.
        const KeyValues::Node *path = entry.isBlock ? KeyValues::find(entry.children, u"path") : &entry;
        const QString folder = path && !path->isBlock ? QDir::fromNativeSeparators(path->value) : QString();
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    return folders;
}

QString find(const QString &homeFolder, const QProcessEnvironment &environment)
{
    QStringList searched;
    const auto configFolder = [&searched](const QString &library) {
        const QString canonical = QFileInfo(library).canonicalFilePath();
        if (canonical.isEmpty() || searched.contains(canonical))
            return QString();
        searched << canonical;
        const QFileInfo folder(canonical + u'/' + QString::fromUtf16(inLibrary));
        return folder.isDir() ? folder.canonicalFilePath() : QString();
    };
    for (const QString &steam : steamFolders(homeFolder, environment)) {
        if (QString found = configFolder(steam); !found.isEmpty())
            return found;
        for (const QString &library : libraryFolders(readLibraryList(steam + u'/' + QString::fromUtf16(libraryList)))) {
            if (QString found = configFolder(library); !found.isEmpty())
                return found;
        }
    }
    return {};
}

} // namespace GameConfigFolder
