#include "core/input/ConfigReader.h"
#include "support/FakeRows.h"
#include "support/RowChanges.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// The rows the text changes, as "name=state" joined by blanks. The text is read from a device, or
// fed in pieces of `chunk` bytes so that line ends and the byte-order mark fall across the pieces.
QString read(const QByteArray &text, qsizetype chunk = 0)
{
    FakeRows rows;
    if (chunk == 0) {
        QBuffer buffer;
        buffer.setData(text);
        buffer.open(QIODevice::ReadOnly);
        ConfigReader::read(buffer, rows);
    } else {
        ConfigReader reader(rows);
        for (qsizetype at = 0; at < text.size(); at += chunk)
            reader.feed(QByteArrayView(text).sliced(at, std::min(chunk, text.size() - at)));
        reader.finish();
    }
    return changedRows(rows).join(u' ');
}

} // namespace

class TestConfigReader : public QObject {
    Q_OBJECT
private slots:
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("rows");
        const QString none;

        QTest::newRow("1 is On") << "cl_showfps 1"_ba << u"cl_showfps=On"_s;
        QTest::newRow("2 is Off") << "cl_smooth 2"_ba << u"cl_smooth=Off"_s;
        QTest::newRow("leading blank: empty name") << " cl_showfps 1"_ba << none;
        QTest::newRow("tab is no separator") << "cl_showfps\t1"_ba << none;
        QTest::newRow("Latin-1 blank is no separator") << "cl_showfps\2401"_ba << none;
        QTest::newRow("blanks around the number") << "cl_showfps  1 \t"_ba << u"cl_showfps=On"_s;
        QTest::newRow("quoted") << "fps_max \"250\""_ba << u"fps_max=250"_s;
        QTest::newRow("blanks inside the quotes") << "fps_max \" 250\t\""_ba << u"fps_max=250"_s;
        QTest::newRow("opening quote only") << "fps_max \"250"_ba << u"fps_max=250"_s;
        QTest::newRow("quote inside") << "fps_max \"2\"50\""_ba << none;
        QTest::newRow("blanks before the quote") << "fps_max   \"250\""_ba << u"fps_max=250"_s;
        QTest::newRow("tab after the first space") << "fps_max \t\t\"250\""_ba << u"fps_max=250"_s;
        QTest::newRow("blank after the closing quote") << "cl_showfps \"0\" \t"_ba << u"cl_showfps=Off"_s;
        QTest::newRow("text after the closing quote") << "fps_max \"250\" x"_ba << none;
        QTest::newRow("blanks alone") << "fps_max  \t "_ba << none;
        QTest::newRow("trailing comment") << "fps_max 250 // comment"_ba << none;
        QTest::newRow("slider halves to even") << "fov 90.5\ncl_rate 2e4\r\nfov 91.5"_ba << u"cl_rate=20000 fov=92"_s;
        QTest::newRow("slider above range") << "fov 9999"_ba << u"fov=360"_s;
        QTest::newRow("slider below range") << "rate 5\nfov -5"_ba << u"rate=10000 fov=1"_s;
        QTest::newRow("beyond 32 bits") << "fov 2147483648\nfov 1e400"_ba << none;
        QTest::newRow("dx levels") << "mat_dxlevel 81.0"_ba << u"mat_dxlevel=81"_s;
        QTest::newRow("no such dx level") << "mat_dxlevel 85\nmat_dxlevel 80.5\nmat_dxlevel high"_ba << none;
        QTest::newRow("empty file") << QByteArray() << none;
        QTest::newRow("last line wins") << "cl_showfps 1\r\nfov 80\r\ncl_showfps 0\r\nfov 100\r\n"_ba
                                        << u"cl_showfps=Off fov=100"_s;
        QTest::newRow("no number keeps earlier") << "cl_showfps 1\r\ncl_showfps on\r\n"_ba << u"cl_showfps=On"_s;
        QTest::newRow("mixed line ends") << "cl_showfps 1\nfov 90\r\n\r\nrate 30000\rcl_smooth 0\n\rmat_dxlevel 70"_ba
                                         << u"cl_smooth=Off cl_showfps=On rate=30000 fov=90 mat_dxlevel=70"_s;
        QTest::newRow("byte-order mark") << "\357\273\277cl_showfps 1\r\nfov 90"_ba << u"cl_showfps=On fov=90"_s;
        QTest::newRow("byte-order mark later is text") << "fov 90\r\n\357\273\277cl_showfps 1"_ba << u"fov=90"_s;
        QTest::newRow("half a byte-order mark is text") << "\357\273cl_showfps 1\nfov 90"_ba << u"fov=90"_s;
        QTest::newRow("NUL in name and value") << "fov\0 90\nrate 2\0\ncl_showfps 1"_ba << u"cl_showfps=On"_s;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("binary garbage") << garbage + "\r\nfov 90\r\n" + garbage + "\ncl_showfps 1"
                                        << u"cl_showfps=On fov=90"_s;
    }

    void readsLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, rows);
        QCOMPARE(read(text), rows);
        for (qsizetype chunk : {1, 2, 3})
            QVERIFY2(read(text, chunk) == rows, qPrintable(u"in pieces of %1"_s.arg(chunk)));
    }

    void readsThroughLinesOfMegabytes()
    {
        const qsizetype mega = 3 * 1024 * 1024;
        const QByteArray text = "fov 90\n" + QByteArray(mega, 'x') + "\nrate 30000\ncl_showfps " + QByteArray(mega, 'y')
                                + "\nfps_max " + QByteArray(mega, ' ') + "250\ncl_smooth 0";
        QCOMPARE(read(text), u"cl_smooth=Off rate=30000 fps_max=250 fov=90"_s);
    }

    // A pipe would wait for a writer and /dev/zero never ends; the test's timeout catches a hang.
    void readsOnlyOrdinaryFiles()
    {
        QTemporaryDir folder;
        const QString pipe = folder.filePath(u"pipe.cfg"_s);
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, folder.filePath(u"link.cfg"_s)));
        FakeRows rows;
        for (const QString &path : {pipe, folder.filePath(u"link.cfg"_s), u"/dev/zero"_s, folder.path()})
            QVERIFY2(!ConfigReader::readFile(path, rows), qPrintable(path));
        QFile config(folder.filePath(u"ordinary.cfg"_s));
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write("cl_showfps 1") > 0);
        config.close();
        QVERIFY(QFile::link(config.fileName(), folder.filePath(u"to-ordinary.cfg"_s)));
        QVERIFY(ConfigReader::readFile(folder.filePath(u"to-ordinary.cfg"_s), rows));
        QCOMPARE(changedRows(rows), QStringList{u"cl_showfps=On"_s});
    }
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "test_configreader.moc"
