#include "core/input/OutsideFile.h"
#include "support/Files.h"
#include "support/TestCase.h"

// Only ordinary files are read: a pipe would wait for a writer and /dev/zero never ends, so the test's
// timeout catches a hang.
class TestOutsideFile : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyOrdinaryFilesUpToTheirLimit_data()
    {
        QTest::addColumn<QString>("path"); // in the test's folder, unless absolute
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("posix"); // a link, a pipe or a device
        QTest::newRow("ordinary, at the limit") << u"ordinary.cfg"_s << QString() << false;
        QTest::newRow("a link to it") << u"to-ordinary.cfg"_s << QString() << true;
        QTest::newRow("a byte over the limit") << u"longer.cfg"_s << u"too large"_s << false;
        QTest::newRow("named pipe") << u"pipe.cfg"_s << u"not ordinary"_s << true;
        QTest::newRow("device") << u"/dev/zero"_s << u"not ordinary"_s << true;
        QTest::newRow("missing") << u"missing.cfg"_s << u"cannot open: "_s + missingText(u"/missing"_s) << false;
    }
    void readsOnlyOrdinaryFilesUpToTheirLimit()
    {
        QFETCH(QString, path);
        QFETCH(QString, failure);
        QFETCH(bool, posix);
        if (posix)
            SKIP_ON_WINDOWS("a symbolic link, a named pipe or a device file");
        QTemporaryDir folder;
        const QByteArray bytes(100'000, 'x'); // more than one chunk
        QVERIFY(writeFile(folder.filePath(u"ordinary.cfg"_s), bytes)
                && writeFile(folder.filePath(u"longer.cfg"_s), bytes + 'x'));
        QVERIFY(!posix
                || (QFile::link(folder.filePath(u"ordinary.cfg"_s), folder.filePath(u"to-ordinary.cfg"_s))
                    && QProcess::execute(u"mkfifo"_s, {folder.filePath(u"pipe.cfg"_s)}) == 0));

        const OutsideFile::Bytes read =
            OutsideFile::readAll(QDir::isAbsolutePath(path) ? path : folder.filePath(path), bytes.size());
        using Why = OutsideFile::Failure::Why;
        const std::optional<OutsideFile::Failure> &got = read.failure;
        QCOMPARE(!got                           ? QString()
                 : got->why == Why::TooLarge    ? u"too large"_s
                 : got->why == Why::NotOrdinary ? u"not ordinary"_s
                                                : u"cannot open: "_s + got->systemText,
                 failure);
        QCOMPARE(read.bytes, failure.isEmpty() ? bytes : QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestOutsideFile)
#include "test_outsidefile.moc"
