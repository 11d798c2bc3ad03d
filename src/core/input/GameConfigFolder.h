#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QProcessEnvironment;

// Where the game, installed through Steam, keeps its configs: the folder the Save and Open dialogs
// start in until a file has been chosen in them.
namespace GameConfigFolder {

// The config folder inside a Steam library.
inline constexpr char16_t inLibrary[] = u"steamapps/common/Counter-Strike Source/cstrike/cfg";
// Steam's list of further libraries, inside each Steam folder.
inline constexpr char16_t libraryList[] = u"steamapps/libraryfolders.vdf";
// A real list takes a few kilobytes; anything larger is not read.
inline constexpr qint64 maxLibraryListSize = 1 << 20;

// The Steam folders of a user whose home folder is `homeFolder`, each once by its canonical path,
// in the order they are searched: where Steam lays itself out on Linux (XDG_DATA_HOME, ~/.steam,
// Flatpak, Snap) and, on Windows, where the registry says it is installed.
[[nodiscard]] QStringList steamFolders(const QString &homeFolder, const QProcessEnvironment &environment);

// The libraries a library list names, in its order, in either of the layouts Steam has written.
// Relative paths and a text that is not a list give none.
[[nodiscard]] QStringList libraryFolders(QByteArrayView listText);

// The canonical path of the game's config folder in the first library that holds it, or an empty
// string. Each Steam folder is a library itself and is searched before those its list names.
// Whatever the files are, the search reads only ordinary files, at most maxLibraryListSize of each.
[[nodiscard]] QString find(const QString &homeFolder, const QProcessEnvironment &environment);

} // namespace GameConfigFolder
