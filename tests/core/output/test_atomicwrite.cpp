#include "core/output/AtomicWrite.h"
#include "support/Files.h"
#include "support/TestCase.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

mode_t permissions(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 01000;
}

QString nameAtLimit(char16_t letter) // 255 bytes, as long as a name may be
{
    return QString(251, letter) + u".cfg"_s;
}

} // namespace

// Saves in a process of its own, limited as each case asks, into a folder holding tunewick.cfg, a
// relative link to it, a file with a name of 255 bytes, the read-only read-only.cfg and the folder
// autoexec.cfg with a file inside.
// The file saved over is the longer one, so that a replacement must not leave its tail behind; its
// permissions are none the umask or a temporary file would give.
class TestAtomicWrite : public QObject {
    Q_OBJECT
private slots:
    // Root writes into read-only folders, so those cases save as nobody, who owns the folder.
    void saveReplacesWhollyOrLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("limits"); // "nobody" saves as nobody; "N bytes" limits the file size (a full disk)
        QTest::addColumn<QString>("reason"); // empty: the save must succeed
        QTest::addColumn<QString>("saved");  // the file holding the new bytes
        const QString config = u"tunewick.cfg"_s, none;
        QTest::newRow("writable folder as nobody") << config << u"nobody"_s << none << config;
        QTest::newRow("through a symbolic link") << u"link.cfg"_s << none << none << config;
        QTest::newRow("name at the limit") << nameAtLimit(u'e') << none << none << nameAtLimit(u'e');
        QTest::newRow("new name at the limit") << nameAtLimit(u'n') << none << none << nameAtLimit(u'n');
        QTest::newRow("read-only folder") << config << u"nobody, read-only folder"_s << u"Permission denied"_s << none;
        QTest::newRow("read-only file") << u"read-only.cfg"_s << u"nobody"_s << u"Permission denied"_s << none;
        QTest::newRow("path through a file") << u"tunewick.cfg/new.cfg"_s << none << u"Not a directory"_s << none;
        QTest::newRow("missing folder") << u"missing/tunewick.cfg"_s << none << u"No such file"_s << none;
        QTest::newRow("path is a folder") << u"autoexec.cfg"_s << none << u"directory"_s << none;
        QTest::newRow("full disk") << config << u"100 bytes"_s << u"File too large"_s << none;
    }
    void saveReplacesWhollyOrLeavesEverythingAsItWas()
    {
        QFETCH(QString, target);
        QFETCH(QString, limits);
        QFETCH(QString, reason);
        QFETCH(QString, saved);
        const QByteArray oldBytes = QByteArray("fov 75\r\n").repeated(120);
        const QByteArray newBytes = QByteArray("cl_showfps 1\r\n").repeated(50);
        QTemporaryDir tmp;
        QVERIFY(QFile::setPermissions(tmp.path(), QFile::permissions(tmp.path()) | QFile::ExeOther | QFile::ReadOther));
        QVERIFY(QFile::copy(QStringLiteral(SAVE_CHILD), tmp.filePath(u"save_child"_s))); // where nobody reaches it
        const QDir folder(tmp.filePath(u"configs"_s));
        QVERIFY(folder.mkpath(u"autoexec.cfg"_s));
        QStringList files{u"tunewick.cfg"_s, nameAtLimit(u'e'), u"read-only.cfg"_s, u"autoexec.cfg/inside.cfg"_s};
        for (const QString &name : files) {
            QVERIFY(writeFile(folder.filePath(name), oldBytes));
            QVERIFY(
                QFile::setPermissions(folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        QVERIFY(QFile::setPermissions(folder.filePath(u"read-only.cfg"_s), QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(QFile::link(u"tunewick.cfg"_s, folder.filePath(u"link.cfg"_s)));
        QStringList arguments{tmp.filePath(u"save_child"_s), folder.filePath(target)};
        if (limits.startsWith(u"nobody"_s) && ::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            QVERIFY(nobody);
            for (const QString &path :
                 {folder.path(), folder.filePath(u"tunewick.cfg"_s), folder.filePath(u"read-only.cfg"_s)})
                QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
            arguments =
                QStringList{u"setpriv"_s, u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s} + arguments;
        }
        const auto writable = qScopeGuard([&folder] {
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (limits.endsWith(u"read-only folder"_s))
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                             | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
        if (limits.endsWith(u" bytes"_s))
            arguments << limits.section(u' ', 0, 0);
        QStringList after = listing(folder.path());
        const bool created = !saved.isEmpty() && !files.contains(saved);
        if (created) {
            files << saved;
            after << saved;
            after.sort();
        }
        ::umask(002); // a new file is then 0664: neither 0644, which a fixed mode would give, nor 0600

        QProcess child;
        child.start(QStandardPaths::findExecutable(arguments.takeFirst()), arguments);
        child.write(newBytes);
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(20000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() <= 1);
        const QString error = QString::fromLocal8Bit(child.readAllStandardOutput());
        QCOMPARE(child.exitCode() == 0, reason.isEmpty());
        QVERIFY2(error.contains(reason), qPrintable(error));
        for (const QString &name : files)
            QCOMPARE(fileBytes(folder.filePath(name)), name == saved ? newBytes : oldBytes);
        if (!saved.isEmpty())
            QCOMPARE(permissions(folder.filePath(saved)), created ? 0664 : 0640);
        QCOMPARE(listing(folder.path()), after); // no temporary left behind
        QCOMPARE(QFileInfo(folder.filePath(u"link.cfg"_s)).symLinkTarget(), folder.filePath(u"tunewick.cfg"_s));
        QCOMPARE(listing(folder.filePath(u"autoexec.cfg"_s)), QStringList{u"inside.cfg"_s});
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_atomicwrite.moc"
