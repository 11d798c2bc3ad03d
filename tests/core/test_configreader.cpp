#include "catalogue/Catalogue.h"
#include "input/ConfigReader.h"
#include "support/RowChanges.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int dxRow = RowChange::dxRow;

QString describe(const RowAccess &rows)
{
    const QStringList changed = changedRows(rows);
    return changed.isEmpty() ? u"(nothing changed)"_s : changed.join(u", "_s);
}

// Feeds the text in pieces of `chunk` bytes, so line ends and the byte-order mark fall across
// the boundaries between pieces.
FakeRows readInChunks(const QByteArray &text, qsizetype chunk)
{
    FakeRows rows;
    ConfigReader reader(rows);
    for (qsizetype at = 0; at < text.size(); at += chunk)
        reader.feed(QByteArrayView(text).sliced(at, std::min(chunk, text.size() - at)));
    reader.finish();
    return rows;
}

FakeRows readDevice(const QByteArray &text)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    FakeRows rows;
    ConfigReader::read(buffer, rows);
    return rows;
}

// Rows are compared by their differences from the initial state, which name every row that differs.
#define COMPARE_ROWS(actual, expected) QCOMPARE(describe(actual), describe(expected))

} // namespace

class TestConfigReader : public QObject {
    Q_OBJECT
private slots:
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<RowChanges>("changes");

        QTest::newRow("value 1 is On") << "cl_showfps 1"_ba << RowChanges{{33, 1}};
        QTest::newRow("value 0 is Off") << "cl_showfps 0"_ba << RowChanges{{33, 0}};
        QTest::newRow("1.0 is On") << "cl_showfps 1.0"_ba << RowChanges{{33, 1}};
        QTest::newRow("+1e0 is On") << "cl_showfps +1e0"_ba << RowChanges{{33, 1}};
        QTest::newRow("0.1 is Off") << "cl_interp 0.1"_ba << RowChanges{{32, 0}};
        QTest::newRow("2 is Off") << "cl_smooth 2"_ba << RowChanges{{3, 0}};
        QTest::newRow("word leaves the row") << "cl_showfps on"_ba << RowChanges{};
        QTest::newRow("empty value") << "cl_showfps "_ba << RowChanges{};
        QTest::newRow("no value") << "cl_showfps"_ba << RowChanges{};
        QTest::newRow("case differs") << "CL_SHOWFPS 1"_ba << RowChanges{};
        QTest::newRow("prefix of a name") << "cl_show 1"_ba << RowChanges{};
        QTest::newRow("leading space: empty name") << " cl_showfps 1"_ba << RowChanges{};
        QTest::newRow("tab is no separator") << "cl_showfps\t1"_ba << RowChanges{};
        QTest::newRow("blanks around the number") << "cl_showfps  1 \t"_ba << RowChanges{{33, 1}};
        QTest::newRow("blank inside the number") << "fps_max 2 50"_ba << RowChanges{};
        QTest::newRow("blank between sign and digits") << "fps_max - 5"_ba << RowChanges{};
        QTest::newRow("quoted, blanks inside the quotes") << "fps_max \" 250\t\""_ba << RowChanges{{102, 250}};
        QTest::newRow("quoted") << "fps_max \"250\""_ba << RowChanges{{102, 250}};
        QTest::newRow("opening quote only") << "fps_max \"250"_ba << RowChanges{{102, 250}};
        QTest::newRow("closing quote only") << "fps_max 250\""_ba << RowChanges{{102, 250}};
        QTest::newRow("quote inside") << "fps_max \"2\"50\""_ba << RowChanges{};
        QTest::newRow("two quotes each end") << "fps_max \"\"250\"\""_ba << RowChanges{};
        QTest::newRow("quoted then comment") << "cl_showfps \"1\" // on"_ba << RowChanges{};
        QTest::newRow("blanks before the quote") << "fps_max   \"250\""_ba << RowChanges{};
        QTest::newRow("trailing comment") << "fps_max 250 // comment"_ba << RowChanges{};
        QTest::newRow("comment right after value") << "fps_max 250//"_ba << RowChanges{};
        QTest::newRow("slider halves to even down") << "fov 90.5"_ba << RowChanges{{103, 90}};
        QTest::newRow("slider halves to even up") << "fov 91.5"_ba << RowChanges{{103, 92}};
        QTest::newRow("slider exponent") << "cl_rate 2e4"_ba << RowChanges{{100, 20000}};
        QTest::newRow("slider above range") << "fov 9999"_ba << RowChanges{{103, 360}};
        QTest::newRow("slider below range") << "rate 5"_ba << RowChanges{{101, 10000}};
        QTest::newRow("slider negative") << "fov -5"_ba << RowChanges{{103, 1}};
        QTest::newRow("slider beyond 32 bits") << "fov 2147483648"_ba << RowChanges{};
        QTest::newRow("slider huge exponent") << "fov 1e400"_ba << RowChanges{};
        QTest::newRow("slider word") << "fov wide"_ba << RowChanges{};
        QTest::newRow("fov leaves DirectX alone") << "fov 90"_ba << RowChanges{{103, 90}};
        QTest::newRow("dx 81") << "mat_dxlevel 81"_ba << RowChanges{{dxRow, 4}};
        QTest::newRow("dx 81.0") << "mat_dxlevel 81.0"_ba << RowChanges{{dxRow, 4}};
        QTest::newRow("dx quoted 50") << "mat_dxlevel \"50\""_ba << RowChanges{{dxRow, 0}};
        QTest::newRow("dx 90") << "mat_dxlevel 90"_ba << RowChanges{{dxRow, 5}};
        QTest::newRow("dx 85") << "mat_dxlevel 85"_ba << RowChanges{};
        QTest::newRow("dx 80.5") << "mat_dxlevel 80.5"_ba << RowChanges{};
        QTest::newRow("dx word") << "mat_dxlevel high"_ba << RowChanges{};
        QTest::newRow("comment line") << "// cl_showfps 1"_ba << RowChanges{};
        QTest::newRow("single slash") << "/cl_showfps 1"_ba << RowChanges{};
        QTest::newRow("command word first") << "echo cl_showfps 1"_ba << RowChanges{};
        QTest::newRow("bound in a key") << "bind x \"cl_showfps 1\""_ba << RowChanges{};
        QTest::newRow("empty file") << QByteArray() << RowChanges{};
        QTest::newRow("comments only") << "//a\r\n// b\r\n//\r\n"_ba << RowChanges{};
        QTest::newRow("last line wins") << "cl_showfps 1\r\nfov 80\r\ncl_showfps 0\r\nfov 100\r\n"_ba
                                        << RowChanges{{33, 0}, {103, 100}};
        QTest::newRow("unknown later line keeps earlier")
            << "cl_showfps 1\r\ncl_showfps on\r\n"_ba << RowChanges{{33, 1}};
        QTest::newRow("LF line ends") << "cl_showfps 1\nfov 90\nmat_dxlevel 70\n"_ba
                                      << RowChanges{{33, 1}, {103, 90}, {dxRow, 2}};
        QTest::newRow("CR line ends") << "cl_showfps 1\rfov 90\r"_ba << RowChanges{{33, 1}, {103, 90}};
        QTest::newRow("mixed line ends") << "cl_showfps 1\nfov 90\r\n\r\nrate 30000\rcl_smooth 0\n\rmat_bloom 1"_ba
                                         << RowChanges{{33, 1}, {103, 90}, {101, 30000}, {3, 0}, {10, 1}};
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF"
                                            "cl_showfps 1\r\nfov 90"_ba
                                         << RowChanges{{33, 1}, {103, 90}};
        QTest::newRow("byte-order mark only") << "\xEF\xBB\xBF"_ba << RowChanges{};
        QTest::newRow("byte-order mark later is text") << "fov 90\r\n\xEF\xBB\xBF"
                                                          "cl_showfps 1"_ba
                                                       << RowChanges{{103, 90}};
        QTest::newRow("start of a byte-order mark is text") << "\xEF\xBB"
                                                               "cl_showfps 1\nfov 90"_ba
                                                            << RowChanges{{103, 90}};
        QTest::newRow("Latin-1 blank is no separator") << "cl_showfps\xA0"
                                                          "1"_ba
                                                       << RowChanges{};
        QTest::newRow("NUL in value") << QByteArray("fov 9\0\nrate 20000", 17) << RowChanges{{101, 20000}};
        QTest::newRow("NUL in name") << QByteArray("fov\0 90\ncl_showfps 1", 20) << RowChanges{{33, 1}};

        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("binary garbage") << garbage + "\r\nfov 90\r\n" + garbage + "\ncl_showfps 1"
                                        << RowChanges{{103, 90}, {33, 1}};

        QTest::newRow("a saved config") << "//============\r\n//  Tunewick\r\n//============\r\n\r\n"
                                           "cl_phys_props_enable 1\r\ncl_ragdoll_physics_enable 0\r\n"
                                           "cl_phys_props_max 300\r\nfov 90\r\nmat_dxlevel 81\r\n\r\n"
                                           "//========================\r\necho :::Zorara l0aded:::\r\n"
                                           "//========================\r\n"_ba
                                        << RowChanges{{0, 1}, {1, 0}, {103, 90}, {dxRow, 4}};
    }

    void readsLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(RowChanges, changes);
        const FakeRows expected = rowsWith(changes);
        COMPARE_ROWS(readDevice(text), expected);
        // Line ends and the byte-order mark split across the pieces the file arrives in.
        for (qsizetype chunk : {1, 2, 3, 5}) {
            const QString rows = describe(readInChunks(text, chunk));
            QVERIFY2(rows == describe(expected), qPrintable(u"pieces of %1: %2"_s.arg(chunk).arg(rows)));
        }
    }

    void linesRunAcrossTheReadersPieces()
    {
        // The device is read in 64 KiB pieces. A CR ends the first piece and its LF opens the next:
        // the LF must not become part of the next line's name.
        constexpr qsizetype piece = 64 * 1024;
        QByteArray text(piece - 1, '/');
        text += "\r\nfov 90\r\n";
        QCOMPARE(readDevice(text).sliderValue(13), 90);

        // A name and a value cut by the boundary.
        text = QByteArray(piece - 8, '/') + "\r\ncl_sho" + "wfps 1\r\nrate 3" + "0000";
        QCOMPARE(text.indexOf("wfps"), piece);
        const FakeRows rows = readDevice(text);
        QCOMPARE(rows.rowState(33), RowState::On);
        QCOMPARE(rows.sliderValue(11), 30000);
    }

    void readsThroughLinesOfMegabytes()
    {
        QByteArray text = "fov 90\n";
        text += QByteArray(3 * 1024 * 1024, 'x'); // a name longer than any row's
        text += "\nrate 30000\ncl_showfps ";
        text += QByteArray(3 * 1024 * 1024, 'y'); // a value that is no number
        text += "\nfps_max ";
        text += QByteArray(3 * 1024 * 1024, ' '); // blanks around a number are allowed
        text += "250\ncl_smooth 0";
        const FakeRows rows = readDevice(text);
        COMPARE_ROWS(rows, rowsWith({{103, 90}, {101, 30000}, {102, 250}, {3, 0}}));
    }

    void looksNamesUpInTheCurrentCaptions()
    {
        // The reader takes the names from the rows at hand, not from a list of its own.
        struct Renamed final : RowAccess {
            FakeRows rows;
            QString caption(int rowIndex) const override
            {
                return rowIndex == 33 ? u"show_fps"_s : rows.caption(rowIndex);
            }
            QString dxCaption() const override { return u"dxlevel"_s; }
            RowState rowState(int rowIndex) const override { return rows.rowState(rowIndex); }
            void select(int rowIndex, RowState onOrOff) override { rows.select(rowIndex, onOrOff); }
            int sliderValue(int k) const override { return rows.sliderValue(k); }
            void setSliderValue(int k, int value) override { rows.setSliderValue(k, value); }
            std::optional<int> selectedDx() const override { return rows.selectedDx(); }
            void selectDx(int member) override { rows.selectDx(member); }
        } renamed;
        ConfigReader reader(renamed);
        reader.feed("cl_showfps 1\nshow_fps 0\nmat_dxlevel 81\ndxlevel 70\nfov 90\n");
        reader.finish();
        COMPARE_ROWS(renamed.rows, rowsWith({{33, 0}, {dxRow, 2}, {103, 90}}));
    }
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "test_configreader.moc"
