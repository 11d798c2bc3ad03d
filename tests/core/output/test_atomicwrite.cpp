#include "core/output/AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Saves in a process of its own, limited as each case asks, into a folder holding tunewick.cfg, a
// relative link to it and the folder autoexec.cfg with a file inside.
class TestAtomicWrite : public QObject {
    Q_OBJECT

    // The old file is the longer one, so that a replacement must not leave its tail behind.
    const QByteArray oldBytes = QByteArray("fov 75\r\n").repeated(120);
    const QByteArray newBytes = QByteArray("cl_showfps 1\r\n").repeated(50);
    std::unique_ptr<QTemporaryDir> tmp;

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    }
    static QStringList listing(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // The reason the saver gives, nothing when it saved.
    std::optional<QString> saveInChild(const QString &target, bool asNobody, const QString &fileSizeLimit)
    {
        QStringList arguments{tmp->filePath(u"save_child"_s), target};
        if (!fileSizeLimit.isEmpty())
            arguments << fileSizeLimit;
        if (asNobody && ::geteuid() == 0)
            arguments =
                QStringList{u"setpriv"_s, u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s} + arguments;
        QProcess process;
        process.start(QStandardPaths::findExecutable(arguments.takeFirst()), arguments);
        process.write(newBytes);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1)
            return u"the save child did not run"_s;
        return process.exitCode() == 0 ? std::nullopt
                                       : std::optional(QString::fromLocal8Bit(process.readAllStandardOutput()));
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        const auto reachable = QFile::permissions(tmp->path()) | QFile::ExeOther | QFile::ReadOther;
        QVERIFY(tmp->isValid() && QFile::setPermissions(tmp->path(), reachable));
        QVERIFY(QFile::copy(QStringLiteral(SAVE_CHILD), tmp->filePath(u"save_child"_s))); // where nobody reaches it
    }

    void cleanup()
    {
        QFile::setPermissions(tmp->filePath(u"configs"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Root writes into read-only folders, so those cases save as nobody, who owns the folder.
    void saveReplacesWhollyOrLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("fileSizeLimit"); // the full disk
        QTest::addColumn<QString>("reason");        // empty: the save must succeed
        QTest::newRow("writable folder as nobody") << u"tunewick.cfg"_s << true << false << u""_s << u""_s;
        QTest::newRow("through a symbolic link") << u"link.cfg"_s << false << false << u""_s << u""_s;
        QTest::newRow("read-only folder") << u"tunewick.cfg"_s << true << true << u""_s << u"Permission denied"_s;
        QTest::newRow("missing folder") << u"missing/tunewick.cfg"_s << false << false << u""_s << u"No such file"_s;
        QTest::newRow("path is a folder") << u"autoexec.cfg"_s << false << false << u""_s << u"directory"_s;
        QTest::newRow("full disk") << u"tunewick.cfg"_s << false << false << u"100"_s << u"File too large"_s;
    }

    void saveReplacesWhollyOrLeavesEverythingAsItWas()
    {
        QFETCH(QString, target);
        QFETCH(bool, asNobody);
        QFETCH(bool, readOnly);
        QFETCH(QString, fileSizeLimit);
        QFETCH(QString, reason);
        const QDir folder(tmp->filePath(u"configs"_s));
        QVERIFY(folder.mkpath(u"autoexec.cfg"_s));
        QVERIFY(writeFile(folder.filePath(u"tunewick.cfg"_s), oldBytes));
        QVERIFY(writeFile(folder.filePath(u"autoexec.cfg/inside.cfg"_s), oldBytes));
        QVERIFY(QFile::link(u"tunewick.cfg"_s, folder.filePath(u"link.cfg"_s)));
        if (asNobody && ::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            QVERIFY(nobody);
            for (const QString &path : {folder.path(), folder.filePath(u"tunewick.cfg"_s)})
                QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        }
        if (readOnly)
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                             | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        const QStringList before = listing(folder.path());

        const std::optional<QString> error = saveInChild(folder.filePath(target), asNobody, fileSizeLimit);
        if (reason.isEmpty())
            QCOMPARE(error, std::nullopt);
        else
            QVERIFY2(error && error->contains(reason), qPrintable(error.value_or(u"saved"_s)));
        QCOMPARE(contents(folder.filePath(u"tunewick.cfg"_s)), reason.isEmpty() ? newBytes : oldBytes);
        QCOMPARE(contents(folder.filePath(u"autoexec.cfg/inside.cfg"_s)), oldBytes);
        QCOMPARE(listing(folder.path()), before); // no temporary left behind
        QCOMPARE(QFileInfo(folder.filePath(u"link.cfg"_s)).symLinkTarget(), folder.filePath(u"tunewick.cfg"_s));
        QCOMPARE(listing(folder.filePath(u"autoexec.cfg"_s)), QStringList{u"inside.cfg"_s});
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_atomicwrite.moc"
