#include "core/input/GameConfigFolder.h"
#include "support/Files.h"
#include "support/TestCase.h"

// The game's config folder found in made home folders.
class TestGameConfigFolder : public QObject {
    Q_OBJECT

    // Lays out one entry relative to the home folder: "a/b" a folder, "a=text" a file (HOME in the
    // text stands for the home folder), "a->b" a symbolic link, "a|" a named pipe.
    static bool lay(const QDir &home, const QString &entry)
    {
        const auto parentMade = [&home](const QString &path) { return home.mkpath(QFileInfo(path).path()); };
        const QString path = home.filePath(entry.section(u"->"_s, 0, 0).section(u'=', 0, 0).remove(u'|'));
        if (const qsizetype arrow = entry.indexOf(u"->"_s); arrow > 0)
            return parentMade(path) && QFile::link(home.filePath(entry.mid(arrow + 2)), path);
        if (const qsizetype equals = entry.indexOf(u'='); equals > 0)
            return writeFile(path, entry.mid(equals + 1).replace(u"HOME"_s, home.absolutePath()).toUtf8());
        if (entry.endsWith(u'|'))
            return parentMade(path) && QProcess::execute(u"mkfifo"_s, {path}) == 0;
        return home.mkpath(entry);
    }

private slots:
    void findsTheFirstLibraryHoldingTheGame_data()
    {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QString>("dataHome"); // XDG_DATA_HOME, relative to the home folder
        QTest::addColumn<QString>("expected"); // the library holding the game; empty: none does

        const QString game = u"/steamapps/common/Counter-Strike Source/cstrike/cfg"_s;
        const QString native = u".local/share/Steam"_s;
        const QString list = native + u"/steamapps/libraryfolders.vdf="_s;
        const QString flatpak = u".var/app/com.valvesoftware.Steam/.local/share/Steam"_s;
        const QString snap = u"snap/steam/common/.local/share/Steam"_s;

        QTest::newRow("native") << QStringList{native + game, flatpak + game} << QString() << native;
        QTest::newRow("~/.steam/steam linked to it")
            << QStringList{u"install"_s + game, u".steam/steam->install"_s} << QString() << u"install"_s;
        QTest::newRow("XDG_DATA_HOME, not ~/.local/share")
            << QStringList{native + game, u"data/Steam"_s + game} << u"data"_s << u"data/Steam"_s;
        QTest::newRow("older list: bare words, a comment, a key that is no number")
            << QStringList{u"decoy"_s + game, u"games"_s + game,
                           list
                               + u"LibraryFolders\n{\n\t// added by hand\n\tContentStatsID HOME/decoy\n\t1\t"
                                 u"\"HOME/games\"\n}\n"_s}
            << QString() << u"games"_s;
        QTest::newRow("newer list, escaped quotes, missing library first")
            << QStringList{u"lib \"2\""_s + game,
                           list
                               + u"\"libraryfolders\" { \"0\" { \"path\" \"HOME/gone\" } \"1\" { \"path\" "
                                 u"\"HOME/lib \\\"2\\\"\" \"apps\" { \"240\" \"123\" } } }"_s}
            << QString() << u"lib \"2\""_s;
        QTest::newRow("damaged list") << QStringList{u"games"_s + game,
                                                     list + u"\"libraryfolders\" { \"1\" \"HOME/games\""_s}
                                      << QString() << QString();
        QTest::newRow("list is a pipe, then Flatpak")
            << QStringList{native + u"/steamapps/libraryfolders.vdf|"_s, flatpak + game} << QString() << flatpak;
        QTest::newRow("link loop, then Snap")
            << QStringList{u".steam/steam->.steam/root"_s, u".steam/root->.steam/steam"_s, snap + game} << QString()
            << snap;
    }
    void findsTheFirstLibraryHoldingTheGame()
    {
        QFETCH(QStringList, layout);
        QFETCH(QString, dataHome);
        QFETCH(QString, expected);
        if (!layout.filter(QRegularExpression(u"->|\\|$|^[^=]*\""_s)).isEmpty())
            SKIP_ON_WINDOWS("a symbolic link, a named pipe or a name with quotes, none of which Windows has");
        QTemporaryDir made;
        const QDir home(made.path());
        for (const QString &entry : layout)
            QVERIFY2(lay(home, entry), qPrintable(entry));
        QProcessEnvironment environment;
        if (!dataHome.isEmpty())
            environment.insert(u"XDG_DATA_HOME"_s, home.filePath(dataHome));

        // No game in the home folder itself: a missing folder's canonical path is empty.
        const QString game = home.filePath(expected) + u'/' + QString::fromUtf16(GameConfigFolder::inLibrary);
        QCOMPARE(GameConfigFolder::find(home.path(), environment), QFileInfo(game).canonicalFilePath());
    }

    // Steam's own record of where it is installed, in the registry, comes before the home folder's.
    void findsTheSteamFolderTheRegistryNames()
    {
#ifdef Q_OS_WIN
        QTemporaryDir made;
        const QString game = u"/steamapps/common/Counter-Strike Source/cstrike/cfg"_s;
        QVERIFY(QDir().mkpath(made.filePath(u"Steam"_s) + game)
                && QDir().mkpath(made.filePath(u"home/.local/share/Steam"_s) + game));
        QSettings key(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat);
        key.setValue(u"SteamPath"_s, QDir::toNativeSeparators(made.filePath(u"Steam"_s)));
        const auto removed = qScopeGuard([&key] { key.remove(u"SteamPath"_s); }); // the build's own prefix
        QCOMPARE(GameConfigFolder::find(made.filePath(u"home"_s), {}),
                 QFileInfo(made.filePath(u"Steam"_s) + game).canonicalFilePath());
#else
        QSKIP("Only Windows has a registry.");
#endif
    }
};

QTEST_APPLESS_MAIN(TestGameConfigFolder)
#include "test_gameconfigfolder.moc"
