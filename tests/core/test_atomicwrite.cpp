#include "output/AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray oldBytes = "//============\r\n//  old config\r\nfov 75\r\n";
const QByteArray newBytes = QByteArray("cl_showfps 1\r\n").repeated(50);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

struct ChildResult {
    int exitCode = -1;
    QString reason;
};

} // namespace

class TestAtomicWrite : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    QString mountPoint;
    QString readOnlyFolder;

    QString path(const QString &relative) const { return tmp->filePath(relative); }

    // The saver in a child process, as another user when dropPrivileges and running as root.
    ChildResult saveInChild(const QString &target, const QByteArray &bytes, bool dropPrivileges,
                            std::optional<qint64> fileSizeLimit)
    {
        // A copy inside the test's folder, where the unprivileged user can reach it.
        const QString child = path(u"save_child"_s);
        if (!QFile::exists(child)) {
            if (!QFile::copy(QStringLiteral(SAVE_CHILD), child))
                qFatal("cannot copy the save child");
        }
        QStringList arguments{target};
        if (fileSizeLimit)
            arguments << QString::number(*fileSizeLimit);
        QString program = child;
        if (dropPrivileges && ::geteuid() == 0) {
            program = QStandardPaths::findExecutable(u"setpriv"_s);
            if (program.isEmpty())
                qFatal("setpriv is needed to test as an unprivileged user");
            arguments = QStringList{u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, child} + arguments;
        }
        QProcess process;
        process.start(program, arguments);
        process.write(bytes);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput())};
    }

private slots:
    void init()
    {
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        // Reachable by the unprivileged child.
        QVERIFY(QFile::setPermissions(tmp->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup
                                                       | QFile::ExeGroup));
    }

    void cleanup()
    {
        if (!mountPoint.isEmpty())
            ::umount(QFile::encodeName(mountPoint).constData());
        mountPoint.clear();
        if (!readOnlyFolder.isEmpty())
            QFile::setPermissions(readOnlyFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        readOnlyFolder.clear();
        tmp.reset();
    }

    void replacesTheWholeFile()
    {
        const QString target = path(u"tunewick.cfg"_s);
        QVERIFY(writeFile(target, oldBytes + oldBytes + oldBytes));
        QCOMPARE(writeFileAtomically(target, "fov 90\r\n"), std::nullopt);
        QCOMPARE(contents(target), QByteArray("fov 90\r\n"));
        QCOMPARE(listing(tmp->path()), QStringList{u"tunewick.cfg"_s});
    }

    void createsAMissingFile()
    {
        const QString target = path(u"myconfig"_s);
        QCOMPARE(writeFileAtomically(target, newBytes), std::nullopt);
        QCOMPARE(contents(target), newBytes);
    }

    void savingThroughASymbolicLinkKeepsTheLink()
    {
        QVERIFY(QDir(tmp->path()).mkpath(u"real"_s));
        const QString real = path(u"real/autoexec.cfg"_s);
        const QString link = path(u"tunewick.cfg"_s);
        QVERIFY(writeFile(real, oldBytes));
        QVERIFY(QFile::link(u"real/autoexec.cfg"_s, link)); // relative, as users make them

        QCOMPARE(writeFileAtomically(link, newBytes), std::nullopt);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(real).absoluteFilePath());
        QCOMPARE(contents(real), newBytes);
        QCOMPARE(listing(path(u"real"_s)), QStringList{u"autoexec.cfg"_s});
    }

    void failureLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << u"read-only"_s << u"Permission denied"_s;
        QTest::newRow("read-only file") << u"read-only file"_s << u"not writable"_s;
        QTest::newRow("missing folder") << u"missing"_s << u"No such file or directory"_s;
        QTest::newRow("path is a folder") << u"folder"_s << u"directory"_s;
        QTest::newRow("full disk (file size limit)") << u"file size limit"_s << u"File too large"_s;
        QTest::newRow("full disk (small tmpfs)") << u"tmpfs"_s << u"No space left on device"_s;
    }

    void failureLeavesEverythingAsItWas()
    {
        QFETCH(QString, situation);
        QFETCH(QString, reason);

        QString folder = path(u"configs"_s);
        QVERIFY(QDir().mkpath(folder));
        if (situation == u"tmpfs"_s) {
            if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
                QSKIP(
                    "cannot mount a tmpfs here (needs root and mount rights); the file size limit covers a full disk");
            mountPoint = folder;
        }
        const QString oldFile = folder + u"/tunewick.cfg"_s;
        QVERIFY(writeFile(oldFile, oldBytes));

        QString target = oldFile;
        QString keptFile = oldFile; // must be byte-identical afterwards
        QByteArray keptBytes = oldBytes;
        if (situation == u"missing"_s)
            target = folder + u"/missing/tunewick.cfg"_s;
        if (situation == u"folder"_s) {
            target = folder + u"/autoexec.cfg"_s;
            QVERIFY(QDir().mkpath(target));
            keptFile = target + u"/inside.cfg"_s;
            QVERIFY(writeFile(keptFile, oldBytes));
        }
        if (situation == u"tmpfs"_s) {
            // Fill the file system to the last byte.
            QFile filler(folder + u"/filler"_s);
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
        const bool unprivileged = situation.startsWith(u"read-only"_s);
        if (unprivileged) {
            // The folder and the file belong to the user that saves; only one of them is read-only.
            if (::geteuid() == 0) {
                const passwd *nobody = ::getpwnam("nobody");
                QVERIFY(nobody);
                QCOMPARE(::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nobody->pw_gid), 0);
                QCOMPARE(::chown(QFile::encodeName(oldFile).constData(), nobody->pw_uid, nobody->pw_gid), 0);
            }
        }
        if (situation == u"read-only"_s) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                      | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup));
            readOnlyFolder = folder;
        }
        if (situation == u"read-only file"_s)
            QVERIFY(QFile::setPermissions(oldFile, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup));
        const QStringList before = listing(folder);

        std::optional<QString> error;
        if (unprivileged || situation == u"file size limit"_s) {
            const ChildResult child =
                saveInChild(target, newBytes, unprivileged,
                            situation == u"file size limit"_s ? std::optional<qint64>(100) : std::nullopt);
            QCOMPARE(child.exitCode, 1);
            error = child.reason;
        } else {
            error = writeFileAtomically(target, newBytes);
        }

        QVERIFY(error);
        QVERIFY2(error->contains(reason), qPrintable(*error));
        QCOMPARE(contents(keptFile), keptBytes);
        QCOMPARE(listing(folder), before);
        if (situation == u"missing"_s)
            QVERIFY(!QFileInfo::exists(folder + u"/missing"_s));
        if (situation == u"folder"_s)
            QCOMPARE(listing(target), QStringList{u"inside.cfg"_s});
    }

    void childSavesWhenNothingStandsInTheWay()
    {
        // The same child as above succeeds as the unprivileged user in a folder that user owns, so
        // the read-only failure is the folder's doing and not the child's.
        const QString folder = path(u"writable"_s);
        QVERIFY(QDir().mkpath(folder));
        if (::geteuid() == 0) {
            const passwd *nobody = ::getpwnam("nobody");
            QVERIFY(nobody);
            QCOMPARE(::chown(QFile::encodeName(folder).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        }
        const ChildResult child = saveInChild(folder + u"/tunewick.cfg"_s, newBytes, true, std::nullopt);
        QCOMPARE(child.exitCode, 0);
        QCOMPARE(contents(folder + u"/tunewick.cfg"_s), newBytes);
    }
};

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "test_atomicwrite.moc"
