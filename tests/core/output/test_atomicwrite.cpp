#include "core/output/AtomicWrite.h"
#include "support/Files.h"
#include "support/TestCase.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The system's error codes for each refusal, its words for which the saving process prints.
#ifdef Q_OS_WIN
constexpr int denied = ERROR_ACCESS_DENIED, notAFolder = ERROR_PATH_NOT_FOUND, noFolder = ERROR_PATH_NOT_FOUND,
              isAFolder = ERROR_ACCESS_DENIED, tooLarge = ERROR_DISK_FULL;
#else
constexpr int denied = EACCES, notAFolder = ENOTDIR, noFolder = ENOENT, isAFolder = EISDIR, tooLarge = EFBIG;
#endif

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

#ifndef Q_OS_WIN
mode_t permissions(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 01000;
}
#endif

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
        // "nobody" saves as nobody; "N bytes" limits the file size (a full disk); "link" saves through one
        QTest::addColumn<QString>("limits");
        QTest::addColumn<int>("error");     // the system's code for the failure; 0: the save must succeed
        QTest::addColumn<QString>("saved"); // the file holding the new bytes
        const QString config = u"tunewick.cfg"_s, none;
        QTest::newRow("writable folder as nobody") << config << u"nobody"_s << 0 << config;
        QTest::newRow("through a symbolic link") << u"link.cfg"_s << u"link"_s << 0 << config;
        QTest::newRow("name at the limit") << nameAtLimit(u'e') << none << 0 << nameAtLimit(u'e');
        QTest::newRow("new name at the limit") << nameAtLimit(u'n') << none << 0 << nameAtLimit(u'n');
        QTest::newRow("read-only folder") << config << u"nobody, read-only folder"_s << denied << none;
        QTest::newRow("read-only file") << u"read-only.cfg"_s << u"nobody"_s << denied << none;
        QTest::newRow("path through a file") << u"tunewick.cfg/new.cfg"_s << none << notAFolder << none;
        QTest::newRow("missing folder") << u"missing/tunewick.cfg"_s << none << noFolder << none;
        QTest::newRow("path is a folder") << u"autoexec.cfg"_s << none << isAFolder << none;
        QTest::newRow("full disk") << config << u"100 bytes"_s << tooLarge << none;
    }
    void saveReplacesWhollyOrLeavesEverythingAsItWas()
    {
        QFETCH(QString, target);
        QFETCH(QString, limits);
        QFETCH(int, error);
        QFETCH(QString, saved);
        // Windows has no file size limit, no symbolic link without a privilege, and a folder's read-only
        // mark does not keep files out.
        if (limits == u"link"_s || limits.endsWith(u"folder"_s) || limits.endsWith(u"bytes"_s))
            SKIP_ON_WINDOWS("a symbolic link, another user's folder or a file size limit");
        const QByteArray oldBytes = QByteArray("fov 75\r\n").repeated(120);
        const QByteArray newBytes = QByteArray("cl_showfps 1\r\n").repeated(50);
        QTemporaryDir tmp;
        QVERIFY(QFile::setPermissions(tmp.path(), QFile::permissions(tmp.path()) | QFile::ExeOther | QFile::ReadOther));
        const QString child = tmp.filePath(QFileInfo(QStringLiteral(SAVE_CHILD)).fileName()); // where nobody reaches it
        QVERIFY(QFile::copy(QStringLiteral(SAVE_CHILD), child));
        const QDir folder(tmp.filePath(u"configs"_s));
        QVERIFY(folder.mkpath(u"autoexec.cfg"_s));
        QStringList files{u"tunewick.cfg"_s, nameAtLimit(u'e'), u"read-only.cfg"_s, u"autoexec.cfg/inside.cfg"_s};
        for (const QString &name : files) {
            QVERIFY(writeFile(folder.filePath(name), oldBytes));
            QVERIFY(
                QFile::setPermissions(folder.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        }
        QVERIFY(QFile::setPermissions(folder.filePath(u"read-only.cfg"_s), QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(writeFile(tmp.filePath(u"new bytes"_s), newBytes));
        QStringList arguments{child, folder.filePath(target), tmp.filePath(u"new bytes"_s)};
#ifndef Q_OS_WIN
        QVERIFY(QFile::link(u"tunewick.cfg"_s, folder.filePath(u"link.cfg"_s)));
        if (limits.startsWith(u"nobody"_s) && ::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            QVERIFY(nobody);
            for (const QString &path :
                 {folder.path(), folder.filePath(u"tunewick.cfg"_s), folder.filePath(u"read-only.cfg"_s)})
                QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
            arguments =
                QStringList{u"setpriv"_s, u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s} + arguments;
        }
        ::umask(002); // a new file is then 0664: neither 0644, which a fixed mode would give, nor 0600
#endif
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

        QProcess saving;
        saving.start(QStandardPaths::findExecutable(arguments.takeFirst()), arguments);
        QVERIFY(saving.waitForFinished(20000) && saving.exitStatus() == QProcess::NormalExit && saving.exitCode() <= 1);
        QCOMPARE(QString::fromLocal8Bit(saving.readAllStandardOutput()),
                 error == 0 ? QString() : qt_error_string(error));
        for (const QString &name : files)
            QCOMPARE(fileBytes(folder.filePath(name)), name == saved ? newBytes : oldBytes);
        QCOMPARE(listing(folder.path()), after); // no temporary left behind
        QCOMPARE(listing(folder.filePath(u"autoexec.cfg"_s)), QStringList{u"inside.cfg"_s});
#ifndef Q_OS_WIN // where the folder's permissions decide, and a link needs a privilege
        if (!saved.isEmpty())
            QCOMPARE(permissions(folder.filePath(saved)), created ? 0664 : 0640);
        QCOMPARE(QFileInfo(folder.filePath(u"link.cfg"_s)).symLinkTarget(), folder.filePath(u"tunewick.cfg"_s));
#endif
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_atomicwrite.moc"
