#include "core/app/DataFolder.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/DataFileText.h"
#include "core/catalogue/StartupData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartupData : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void write(const char16_t *name, const QStringList &lines, const QByteArray &lineEnd, bool terminated)
    {
        QFile file(dir.filePath(QString::fromUtf16(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QString::fromLatin1(lineEnd)).toLatin1() + (terminated ? lineEnd : QByteArray()));
    }

private slots:
    void decodeAndSplitLines()
    {
        // Every byte is one character, the ones the code page leaves undefined too.
        QCOMPARE(DataFileText::decode("\x80\x81\x82\xE9"), u"\u20AC\u0081\u201A\u00E9"_s);
        QCOMPARE(DataFileText::splitLines("a\n\rb", 5).lines, (QStringList{u"a"_s, u""_s, u"b"_s}));
        QCOMPARE(DataFileText::splitLines("\r\n\r\nx\r", 5).lines, (QStringList{u""_s, u""_s, u"x"_s}));
        QVERIFY(!DataFileText::splitLines("a\r\nb\r\n", 2).moreFollow);
        const DataFileText::Lines limited = DataFileText::splitLines("a\rb\r\n\r\n", 2); // only an empty line more
        QCOMPARE(limited.lines, (QStringList{u"a"_s, u"b"_s}));
        QVERIFY(limited.moreFollow);
        // The file is read in pieces; a CR LF that straddles two of them is still one line end.
        const QString longLine(4095, u'x');
        write(u"long.cst", {longLine, u"y"_s}, "\r\n", true);
        QCOMPARE(DataFileText::readLines(dir.filePath(u"long.cst"_s), 10).lines, (QStringList{longLine, u"y"_s}));
    }

    void readStartupTables_data()
    {
        QTest::addColumn<QList<int>>("counts"); // lines of desc, sldef and defval; none: no folder
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<bool>("terminated");
        QTest::addColumn<QStringList>("problems");
        const QString tooLong = u"holds more than %1; the lines after line %2 were left out."_s;
        const QString missing = u"sldef.cst: line %1 (%2) is missing, not a whole number from 1 to %3; its \"D\" "
                                u"button leaves the slider as it is."_s;
        const QString unreadable = u"%1: cannot be read: No such file or directory."_s;
        QTest::newRow("full, CR LF") << QList<int>{156, 14, 45} << QByteArray("\r\n") << true << QStringList{};
        QTest::newRow("short, CR alone") << QList<int>{111, 12, 37} << QByteArray("\r") << true
                                         << QStringList{missing.arg(u"13"_s, u"fps_max"_s, u"300"_s),
                                                        missing.arg(u"14"_s, u"fov"_s, u"360"_s)};
        QTest::newRow("too long, LF alone")
            << QList<int>{160, 15, 46} << QByteArray("\n") << false
            << QStringList{u"desc.cst: "_s + tooLong.arg(u"52 descriptions of three lines"_s, u"156"_s),
                           u"sldef.cst: "_s + tooLong.arg(u"14 slider values"_s, u"14"_s),
                           u"defval.cst: "_s + tooLong.arg(u"45 default values"_s, u"45"_s)};
        QTest::newRow("ends inside a description, unterminated")
            << QList<int>{113, 14, 37} << QByteArray("\r\n") << false
            << QStringList{u"desc.cst: ends inside a description: its 113 lines are not a multiple of three, so "
                           u"the last description is incomplete."_s};
        QTest::newRow("missing folder") << QList<int>{} << QByteArray() << false
                                        << QStringList{unreadable.arg(u"desc.cst"_s), unreadable.arg(u"sldef.cst"_s),
                                                       unreadable.arg(u"defval.cst"_s)};
    }
    void readStartupTables()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QByteArray, lineEnd);
        QFETCH(bool, terminated);
        QFETCH(QStringList, problems);
        // Blanks, quotes and commas come through verbatim; slider values are within range.
        QStringList desc, sldef, defval;
        for (int n = 0; n < counts.value(0); ++n)
            desc << u" desc, \"line\" %1 "_s.arg(n);
        for (int k = 0; k < counts.value(1); ++k)
            sldef << QString::number(k < Catalogue::sliderCount ? Catalogue::sliderRow(k).slider.min + k : 1);
        for (int n = 0; n < counts.value(2); ++n)
            defval << u"%1, 'x'\t"_s.arg(n);
        const QString folder = !counts.isEmpty() ? dir.path() : dir.filePath(u"nothing-here"_s);
        if (!counts.isEmpty()) {
            write(StartupData::descFile, desc, lineEnd, terminated);
            write(StartupData::sldefFile, sldef, lineEnd, terminated);
            write(StartupData::defvalFile, defval, lineEnd, terminated);
        }

        const StartupData::Result read = StartupData::readStartupTables(folder);
        QStringList named;
        for (const StartupData::Problem &problem : read.problems)
            named << problem.path.mid(QDir::toNativeSeparators(folder + u'/').size()) + u": "_s + problem.what;
        QCOMPARE(named, problems);
        // Every entry holds its line verbatim, or nothing when the file has no such line.
        for (int slot = 0; slot < Catalogue::descriptionSlotCount; ++slot) {
            for (int j = 0; j < 3; ++j)
                QCOMPARE(read.tables.desc[slot][j], desc.value(3 * slot + j));
        }
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            QCOMPARE(read.tables.sldef[k], sldef.value(k));
        for (int i = 0; i < StartupTables::defvalEntries; ++i)
            QCOMPARE(read.tables.defval[i], defval.value(i));
    }

    void sliderResetValueIsAWholeNumberInRange()
    {
        StartupTables tables; // slider 3, r_dispradius, takes 50..1000
        for (const QString &bad : {u"49"_s, u"1001"_s, u"abc"_s, QString()}) {
            tables.sldef[3] = bad;
            QCOMPARE(StartupData::sliderResetValue(tables, 3), std::nullopt);
        }
        tables.sldef[3] = u" 1e3 "_s;
        QCOMPARE(StartupData::sliderResetValue(tables, 3), 1000);
    }

    void dataFolderBesideOrInstalled()
    {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(u"bin"_s);
        const QString installed = prefix.filePath(u"share/tunewick/data"_s);
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(DataFolder::locate(bin), bin + u"/data"_s); // neither: the report names the usual place
        QVERIFY(QDir().mkpath(installed));
        QCOMPARE(DataFolder::locate(bin), installed);
        QVERIFY(QDir().mkpath(bin + u"/data"_s));
        QCOMPARE(DataFolder::locate(bin), bin + u"/data"_s);
    }

    void shippedFilesInTheBuildCopy()
    {
        for (const auto &[file, lines] : {std::pair{u"desc.cst"_s, 156}, {u"sldef.cst"_s, 14}, {u"defval.cst"_s, 37}}) {
            QFile built(QStringLiteral(TUNEWICK_BUILD_DATA_DIR "/") + file),
                source(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR "/") + file);
            QVERIFY(built.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
            const QByteArray bytes = built.readAll();
            QCOMPARE(bytes, source.readAll());
            QCOMPARE(bytes.count("\r\n"), lines);
            QVERIFY(bytes.endsWith("\r\n"));
            QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * lines); // no CR or LF alone
        }
        const StartupData::Result read = StartupData::readStartupTables(QStringLiteral(TUNEWICK_BUILD_DATA_DIR));
        QCOMPARE(read.problems, QList<StartupData::Problem>{});
    }
};

QTEST_GUILESS_MAIN(TestStartupData)
#include "test_startupdata.moc"
