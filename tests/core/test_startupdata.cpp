#include "app/DataFolder.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DataFileText.h"
#include "catalogue/RowActions.h"
#include "catalogue/StartupData.h"
#include "support/FakeRows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray crlfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList numberedLines(const QString &pattern, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << pattern.arg(i);
    return lines;
}

QStringList initialSliderValues()
{
    QStringList values;
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        values << QString::number(Catalogue::sliderRow(k).slider.initial);
    return values;
}

// Every row, slider and the DirectX level alike.
bool sameRows(const RowAccess &a, const RowAccess &b)
{
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        if (a.rowState(row) != b.rowState(row))
            return false;
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        if (a.sliderValue(k) != b.sliderValue(k))
            return false;
    }
    return a.selectedDx() == b.selectedDx();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

} // namespace

class TestStartupData : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    void write(const char16_t *name, const QByteArray &bytes)
    {
        QFile file(dir->filePath(QString::fromUtf16(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void writeFiles(int descLines, const QStringList &sldef, int defvalLines)
    {
        write(StartupData::descFile, crlfLines(numberedLines(u"desc line %1"_s, descLines)));
        write(StartupData::sldefFile, crlfLines(sldef));
        write(StartupData::defvalFile, crlfLines(numberedLines(u"value %1"_s, defvalLines)));
    }
    QString path(const char16_t *name) const
    {
        return QDir::toNativeSeparators(dir->filePath(QString::fromUtf16(name)));
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void decodeMapsEveryByteToOneCharacter()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = DataFileText::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x41), QChar(u'A'));
        QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
        QCOMPARE(text.at(0x92), QChar(0x2019)); // right single quote
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        QCOMPARE(text.at(0xE9), QChar(0x00E9));
        for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text.at(undefined), QChar(undefined));
    }

    void splitLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("moreFollow");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << 5 << QStringList{"a", "b"} << false;
        QTest::newRow("CR alone") << QByteArray("a\rb\r") << 5 << QStringList{"a", "b"} << false;
        QTest::newRow("LF alone") << QByteArray("a\nb\n") << 5 << QStringList{"a", "b"} << false;
        QTest::newRow("LF then CR are two ends") << QByteArray("a\n\rb") << 5 << QStringList{"a", "", "b"} << false;
        QTest::newRow("unterminated last line") << QByteArray("a\r\nb") << 5 << QStringList{"a", "b"} << false;
        QTest::newRow("CR at the very end") << QByteArray("a\r") << 5 << QStringList{"a"} << false;
        QTest::newRow("empty text") << QByteArray() << 5 << QStringList{} << false;
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << 5 << QStringList{"", "", "x"} << false;
        QTest::newRow("blanks, quotes and commas verbatim")
            << QByteArray("  a, \"b\" ,c  \r\n\t'd'\r\n") << 5 << QStringList{"  a, \"b\" ,c  ", "\t'd'"} << false;
        QTest::newRow("exactly the limit") << QByteArray("a\r\nb\r\n") << 2 << QStringList{"a", "b"} << false;
        QTest::newRow("beyond the limit") << QByteArray("a\r\nb\r\nc") << 2 << QStringList{"a", "b"} << true;
        QTest::newRow("empty line beyond the limit")
            << QByteArray("a\r\nb\r\n\r\n") << 2 << QStringList{"a", "b"} << true;
    }

    void splitLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxLines);
        QFETCH(QStringList, lines);
        QFETCH(bool, moreFollow);
        const DataFileText::Lines split = DataFileText::splitLines(bytes, maxLines);
        QCOMPARE(split.lines, lines);
        QCOMPARE(split.moreFollow, moreFollow);
        QVERIFY(!split.error);
    }

    void readLinesKeepsCrLfTogetherAcrossReads()
    {
        // The file is read in pieces; a CR LF that straddles two of them is still one line end.
        const QByteArray longLine(4095, 'x');
        write(u"long.cst", longLine + "\r\ny\r\n");
        const DataFileText::Lines read = DataFileText::readLines(dir->filePath(u"long.cst"_s), 10);
        QCOMPARE(read.lines, (QStringList{QString::fromLatin1(longLine), u"y"_s}));
        QVERIFY(!read.moreFollow);
    }

    void fullFilesFillEveryTable()
    {
        QStringList defval = numberedLines(u"value %1"_s, StartupTables::defvalEntries);
        defval[32] = u"0.1"_s;
        write(StartupData::descFile, crlfLines(numberedLines(u"desc line %1"_s, 156)));
        write(StartupData::sldefFile, crlfLines(initialSliderValues()));
        write(StartupData::defvalFile, crlfLines(defval));

        const StartupData::Result read = StartupData::readStartupTables(dir->path());
        QCOMPARE(read.problems, QList<StartupData::Problem>{});
        QCOMPARE(read.tables.desc[0][0], u"desc line 1"_s);
        // Line 112 of the file is line 1 of slot 37, the DirectX row.
        QCOMPARE(read.tables.desc[37][0], u"desc line 112"_s);
        QCOMPARE(read.tables.desc[37][2], u"desc line 114"_s);
        QCOMPARE(read.tables.desc[51][2], u"desc line 156"_s);
        QCOMPARE(read.tables.sldef[3], u"500"_s);
        QCOMPARE(read.tables.sldef[13], u"75"_s);
        QCOMPARE(read.tables.defval[32], u"0.1"_s);
        QCOMPARE(read.tables.defval[44], u"value 45"_s);
    }

    void shortFilesLeaveTheRestEmpty()
    {
        writeFiles(111, initialSliderValues().mid(0, 12), 37);
        const StartupData::Result read = StartupData::readStartupTables(dir->path());
        QCOMPARE(read.tables.desc[36][2], u"desc line 111"_s);
        for (int slot = 37; slot < Catalogue::descriptionSlotCount; ++slot)
            QCOMPARE(read.tables.desc[slot], (std::array<QString, 3>{}));
        QCOMPARE(read.tables.defval[36], u"value 37"_s);
        QVERIFY(read.tables.defval[37].isEmpty());
        // Short description and default value files are fine; the two missing slider values are not.
        QCOMPARE(read.problems,
                 (QList<StartupData::Problem>{
                     {path(StartupData::sldefFile),
                      u"line 13 (fps_max) is missing, not a whole number from 1 to 300; its \"D\" button leaves the "
                      u"slider as it is."_s},
                     {path(StartupData::sldefFile),
                      u"line 14 (fov) is missing, not a whole number from 1 to 360; its \"D\" button leaves the "
                      u"slider as it is."_s}}));
    }

    void tooLongFilesStopAtTheLastEntry()
    {
        writeFiles(160, initialSliderValues() << u"15"_s, 46);
        const StartupData::Result read = StartupData::readStartupTables(dir->path());
        QCOMPARE(read.tables.desc[51][2], u"desc line 156"_s);
        QCOMPARE(read.tables.sldef[13], u"75"_s);
        QCOMPARE(read.tables.defval[44], u"value 45"_s);
        QCOMPARE(read.problems.size(), 3);
        QCOMPARE(read.problems[0].path, path(StartupData::descFile));
        QCOMPARE(read.problems[0].what, u"holds more than 52 descriptions of three lines; the lines after line 156 "
                                        u"were left out."_s);
        QCOMPARE(read.problems[1].path, path(StartupData::sldefFile));
        QVERIFY(read.problems[1].what.startsWith(u"holds more than 14 slider values"_s));
        QCOMPARE(read.problems[2].path, path(StartupData::defvalFile));
        QVERIFY(read.problems[2].what.startsWith(u"holds more than 45 default values"_s));
    }

    void descriptionFileEndingInsideASlot()
    {
        writeFiles(113, initialSliderValues(), 37);
        const StartupData::Result read = StartupData::readStartupTables(dir->path());
        QCOMPARE(read.tables.desc[37], (std::array<QString, 3>{u"desc line 112"_s, u"desc line 113"_s, QString()}));
        QCOMPARE(read.problems, (QList<StartupData::Problem>{
                                    {path(StartupData::descFile),
                                     u"ends inside a description: its 113 lines are not a multiple of three, so the "
                                     u"last description is incomplete."_s}}));
    }

    void missingFolderNamesEveryFile()
    {
        const QString missing = dir->filePath(u"nothing-here"_s);
        const StartupData::Result read = StartupData::readStartupTables(missing);
        QCOMPARE(read.problems.size(), 3);
        const char16_t *files[] = {StartupData::descFile, StartupData::sldefFile, StartupData::defvalFile};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(read.problems[i].path, QDir::toNativeSeparators(missing + u'/' + QString::fromUtf16(files[i])));
            QCOMPARE(read.problems[i].what, u"cannot be read: No such file or directory."_s);
        }
        QCOMPARE(read.tables.desc[0][0], QString());
        QCOMPARE(read.tables.sldef[0], QString());
        QCOMPARE(read.tables.defval[0], QString());
    }

    void sliderEntries_data()
    {
        QTest::addColumn<QString>("entry"); // for slider 3, r_dispradius, 50..1000
        QTest::addColumn<std::optional<int>>("value");
        QTest::newRow("whole number") << "500" << std::optional<int>(500);
        QTest::newRow("blanks around") << " 500 " << std::optional<int>(500);
        QTest::newRow("half rounds to even") << "500.5" << std::optional<int>(500);
        QTest::newRow("exponent") << "1e3" << std::optional<int>(1000);
        QTest::newRow("lowest") << "50" << std::optional<int>(50);
        QTest::newRow("below the range") << "49" << std::optional<int>();
        QTest::newRow("above the range") << "5000" << std::optional<int>();
        QTest::newRow("not a number") << "abc" << std::optional<int>();
        QTest::newRow("empty line") << "" << std::optional<int>();
        QTest::newRow("percent sign kept") << "%5" << std::optional<int>();
    }

    void sliderEntries()
    {
        QFETCH(QString, entry);
        QFETCH(std::optional<int>, value);
        QStringList sldef = initialSliderValues();
        sldef[3] = entry;
        writeFiles(156, sldef, 37);
        const StartupData::Result read = StartupData::readStartupTables(dir->path());
        QCOMPARE(read.tables.sldef[3], entry);
        QCOMPARE(StartupData::sliderResetValue(read.tables, 3), value);
        if (value) {
            QVERIFY(read.problems.isEmpty());
        } else {
            QCOMPARE(read.problems.size(), 1);
            QCOMPARE(read.problems[0].what, u"line 4 (r_dispradius) is \"%1\", not a whole number from 50 to 1000; "
                                            u"its \"D\" button leaves the slider as it is."_s.arg(entry));
        }
    }

    void problemReportNamesEachFile()
    {
        const QString report = StartupData::problemReport(
            {{u"/d/desc.cst"_s, u"cannot be read: No such file or directory."_s}, {u"/d/sldef.cst"_s, u"bad."_s}});
        QCOMPARE(report, u"Tunewick could not read all of its data. The window works without what is missing:\r\n"
                         u"/d/desc.cst: cannot be read: No such file or directory.\r\n"
                         u"/d/sldef.cst: bad."_s);
    }

    void shippedFilesKeepTheirBytes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minLines");
        QTest::addColumn<int>("maxLines");
        QTest::newRow("desc") << u"desc.cst"_s << 156 << 156;
        QTest::newRow("sldef") << u"sldef.cst"_s << 14 << 14;
        QTest::newRow("defval") << u"defval.cst"_s << 37 << 45;
    }

    void shippedFilesKeepTheirBytes()
    {
        QFETCH(QString, file);
        QFETCH(int, minLines);
        QFETCH(int, maxLines);
        const QByteArray source = readAll(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR "/") + file);
        const QByteArray built = readAll(QStringLiteral(TUNEWICK_BUILD_DATA_DIR "/") + file);
        QCOMPARE(built, source);
        QVERIFY(source.endsWith("\r\n"));
        QCOMPARE(source.count('\r'), source.count("\r\n"));
        QCOMPARE(source.count('\n'), source.count("\r\n"));
        const auto lines = source.count("\r\n");
        QVERIFY2(lines >= minLines && lines <= maxLines, qPrintable(QString::number(lines)));
        for (const char byte : source)
            QVERIFY(static_cast<unsigned char>(byte) < 0x80);
    }

    void shippedDataFitsTheCatalogue()
    {
        const StartupData::Result read = StartupData::readStartupTables(QStringLiteral(TUNEWICK_BUILD_DATA_DIR));
        QCOMPARE(read.problems, QList<StartupData::Problem>{});
        for (const Catalogue::Setting &setting : Catalogue::settings()) {
            const auto &lines = read.tables.desc[setting.descriptionSlot];
            QCOMPARE(lines[0], u"Command: "_s + QString::fromLatin1(setting.name));
            QVERIFY(lines[1].startsWith(u"Description: "_s));
            QVERIFY(!lines[2].isEmpty());
        }
        QVERIFY(read.tables.desc[37][2].startsWith(u"Warning: "_s));
        for (int row = 0; row < Catalogue::threeStateCount; ++row)
            QVERIFY(!read.tables.defval[row].isEmpty());
        QCOMPARE(read.tables.defval[32], u"0.1"_s);
    }

    void dataFolderIsBesideTheProgramOrInstalled()
    {
        const QString root = dir->path();
        QVERIFY(QDir(root).mkpath(u"bin"_s));
        QCOMPARE(DataFolder::locate(root + u"/bin"_s), root + u"/bin/data"_s); // neither: the one beside
        QVERIFY(QDir(root).mkpath(u"share/tunewick/data"_s));
        QCOMPARE(DataFolder::locate(root + u"/bin"_s), root + u"/share/tunewick/data"_s);
        QVERIFY(QDir(root).mkpath(u"bin/data"_s));
        QCOMPARE(DataFolder::locate(root + u"/bin"_s), root + u"/bin/data"_s);
    }

    void descriptionTextJoinsTheThreeLines()
    {
        StartupTables tables;
        tables.desc[5] = {u" Command: x "_s, u"a, \"b\""_s, QString()};
        QCOMPARE(RowActions::descriptionText(tables, 5), u" Command: x \r\na, \"b\"\r\n"_s);
        QCOMPARE(RowActions::descriptionText(tables, 51), u"\r\n\r\n"_s);
    }

    void resetPutsEachThreeStateRowInItsResetState()
    {
        const StartupTables tables;
        for (const RowState before : {RowState::Default, RowState::On, RowState::Off}) {
            for (int row = 0; row < Catalogue::threeStateCount; ++row) {
                FakeRows rows;
                if (before != RowState::Default)
                    rows.select(row, before);
                FakeRows expected = rows;
                const bool on = Catalogue::threeStateRow(row).reset == Catalogue::Reset::On;
                expected.select(row, on ? RowState::On : RowState::Off);
                RowActions::resetRow(rows, tables, row);
                QVERIFY2(sameRows(rows, expected), qPrintable(QString::number(row)));
            }
        }
        FakeRows rows;
        RowActions::resetRow(rows, tables, 32);
        QCOMPARE(rows.rowState(32), RowState::Off);
        RowActions::resetRow(rows, tables, 36);
        QCOMPARE(rows.rowState(36), RowState::On);
    }

    void resetSetsSlidersFromTheirEntry()
    {
        StartupTables tables;
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            tables.sldef[k] = QString::number(Catalogue::sliderRow(k).slider.min + k + 1);
        tables.sldef[5] = u"oops"_s;
        for (int k = 0; k < Catalogue::sliderCount; ++k) {
            FakeRows rows;
            FakeRows expected = rows;
            if (k != 5)
                expected.setSliderValue(k, Catalogue::sliderRow(k).slider.min + k + 1);
            RowActions::resetRow(rows, tables, Catalogue::firstSliderRow + k);
            QVERIFY2(sameRows(rows, expected), qPrintable(QString::number(k)));
        }
    }
};

QTEST_GUILESS_MAIN(TestStartupData)
#include "test_startupdata.moc"
