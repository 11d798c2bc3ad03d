#include "core/output/Backups.h"
#include "support/Files.h"
#include "support/TestCase.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

// The copies kept of the files a save overwrites, in a temporary backups folder.
class TestBackups : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString root() const { return folder.filePath(u"backups"_s); }
    static QStringList sizes(const QList<Backups::Copy> &copies)
    {
        QStringList sizes;
        for (const Backups::Copy &copy : copies)
            sizes << QString::number(copy.size) + (copy.first ? u"*"_s : QString());
        return sizes;
    }

private slots:
    void underTheStateFolder()
    {
        QProcessEnvironment environment;
#ifdef Q_OS_WIN
        const QString variable = u"LOCALAPPDATA"_s, fallback = u"/home/p/AppData/Local"_s, below = u"/Tunewick"_s;
#else
        const QString variable = u"XDG_STATE_HOME"_s, fallback = u"/home/p/.local/state"_s, below = u"/tunewick"_s;
#endif
        for (const auto &[state, root] : {std::pair{u"/state"_s, u"/state"_s}, {u"state"_s, fallback}}) {
            environment.insert(variable, state);
            QCOMPARE(Backups::rootFolder(environment, u"/home/p"_s), root + below + u"/backups"_s);
        }
    }

    // Each copy private and named by its time, the same bytes twice kept once; pruning, which only a
    // successful save asks for, keeps the first copy and the newest ten. The folder is named by the path's
    // hash, so a name of 255 bytes fits.
    void keepsTheFirstAndTheNewestCopies()
    {
        const QString path = folder.filePath(QString(251, u'n') + u".cfg"_s);
        const QDateTime start(QDate(2026, 12, 7), QTime(23, 59, 59, 999), Qt::UTC);
        for (int save = 0; save < 13; ++save) {
            QVERIFY(writeFile(path, QByteArray(save == 1 ? 0 : save, 'x'))); // the second as the first
            QCOMPARE(Backups::backUp(root(), path, start), std::nullopt);
        }
        const QList<Backups::Copy> copies = Backups::copiesOf(root(), path);
        QCOMPARE(copies.size(), 12);
        QCOMPARE(copies.last().made, start);
        QCOMPARE(copies.first().made, start.addMSecs(11)); // one saved within the same millisecond waits
        QVERIFY(copies.first().path.endsWith(u"/20261208T000000.010Z"_s));
#ifndef Q_OS_WIN // where the folder's permissions decide
        struct stat status = {};
        QVERIFY(::stat(QFile::encodeName(copies.first().path).constData(), &status) == 0
                && (status.st_mode & 0777) == 0600);
#endif
        QCOMPARE(fileBytes(QFileInfo(copies.first().path).path() + u"/source"_s), QFile::encodeName(path));
        Backups::prune(root(), path);
        QCOMPARE(sizes(Backups::copiesOf(root(), path)).join(u' '), u"12 11 10 9 8 7 6 5 4 3 0*"_s);
    }

    // Without a copy the save does not go ahead: a backups folder that cannot be made, a pipe.
    void saysWhyNoCopyCanBeMade()
    {
        const QString config = folder.filePath(u"autoexec.cfg"_s), pipe = folder.filePath(u"pipe.cfg"_s);
        QVERIFY(writeFile(config, "fov 90"));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QString madeless = Backups::backUp(config + u"/backups"_s, config, now).value_or(QString());
        QVERIFY2(madeless.startsWith(u"the folder "_s) && madeless.endsWith(u" cannot be made"_s),
                 qPrintable(madeless));
        SKIP_ON_WINDOWS("a named pipe");
        QCOMPARE(QProcess::execute(u"mkfifo"_s, {pipe}), 0);
        QCOMPARE(Backups::backUp(root(), pipe, now), u"it is not an ordinary file"_s);
        QVERIFY(Backups::copiesOf(root(), pipe).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
