#include "core/catalogue/Catalogue.h"
#include "core/catalogue/RowActions.h"
#include "core/catalogue/StartupData.h"
#include "support/ChoicesText.h"
#include "support/Files.h"
#include "support/TestCase.h"

class TestStartupData : public QObject {
    Q_OBJECT
private slots:
    void readStartupTables_data()
    {
        QTest::addColumn<QList<int>>("counts"); // lines of desc, sldef and defval; none: no folder
        QTest::addColumn<QStringList>("problems");
        const QString tooLong = u"holds more than %1; the lines after line %2 were left out."_s;
        const QString missing = u"sldef.cst: line %1 (%2) is missing, not a whole number from %3 to %4; its \"D\" "
                                u"button leaves the slider as it is."_s;
        const QString unreadable = u"%1: cannot be read: "_s + missingText(u"/missing/folder"_s) + u'.';
        QTest::newRow("full") << QList<int>{156, 14, 45} << QStringList{};
        QTest::newRow("short, ending inside a description")
            << QList<int>{112, 12, 37}
            << QStringList{u"desc.cst: ends inside a description: its 112 lines are not a multiple of three, so "
                           u"the last description is incomplete."_s,
                           missing.arg(u"13"_s, u"fps_max"_s, u"0"_s, u"999"_s),
                           missing.arg(u"14"_s, u"fov"_s, u"1"_s, u"360"_s)};
        QTest::newRow("too long") << QList<int>{160, 15, 46}
                                  << QStringList{u"desc.cst: "_s
                                                     + tooLong.arg(u"52 descriptions of three lines"_s, u"156"_s),
                                                 u"sldef.cst: "_s + tooLong.arg(u"14 slider values"_s, u"14"_s),
                                                 u"defval.cst: "_s + tooLong.arg(u"45 default values"_s, u"45"_s)};
        QTest::newRow("missing folder") << QList<int>{}
                                        << QStringList{unreadable.arg(u"desc.cst"_s), unreadable.arg(u"sldef.cst"_s),
                                                       unreadable.arg(u"defval.cst"_s)};
    }
    void readStartupTables()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, problems);
        QTemporaryDir dir;
        // Blanks, quotes and commas come through verbatim; slider values are within range.
        QStringList desc, sldef, defval;
        for (int n = 0; n < counts.value(0); ++n)
            desc << u" desc, \"line\" %1 "_s.arg(n);
        for (int k = 0; k < counts.value(1); ++k)
            sldef << QString::number(
                k < Catalogue::sliderCount ? Catalogue::setting(Catalogue::sliderSetting(k)).slider.min + k : 1);
        for (int n = 0; n < counts.value(2); ++n)
            defval << u"%1, 'x'\t"_s.arg(n);
        const QString folder = !counts.isEmpty() ? dir.path() : dir.filePath(u"nothing-here"_s);
        for (const auto &[name, lines] : {std::pair{StartupData::descFile, desc},
                                          {StartupData::sldefFile, sldef},
                                          {StartupData::defvalFile, defval}})
            QVERIFY(writeFile(dir.filePath(QString::fromUtf16(name)), lines.join(u"\r\n"_s).toLatin1()));

        const StartupData::Result read = StartupData::readStartupTables(folder);
        QStringList named;
        for (const StartupData::Problem &problem : read.problems)
            named << problem.path.mid(QDir::toNativeSeparators(folder + u'/').size()) + u": "_s + problem.what;
        QCOMPARE(named, problems);
        // Every entry holds its line verbatim, or nothing when the file has no such line; the Status Bar
        // shows a slot's three lines joined by CR LF.
        desc.resize(3 * Catalogue::descriptionSlotCount);
        sldef.resize(Catalogue::sliderCount);
        QStringList sliderDefaults;
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            sliderDefaults << read.tables.sldef[size_t(Catalogue::sliderSetting(k).place())];
        defval.resize(StartupTables::defvalEntries);
        for (const Catalogue::SettingId slot : Catalogue::allSettings())
            QCOMPARE(RowActions::descriptionText(read.tables, slot), desc.mid(3 * slot.place(), 3).join(u"\r\n"_s));
        QCOMPARE(sliderDefaults, sldef);
        QCOMPARE(QStringList(read.tables.defval.begin(), read.tables.defval.end()), defval);
    }

    void sliderResetValueIsAWholeNumberInRange()
    {
        StartupTables tables; // r_dispradius takes 50..1000
        const Catalogue::SettingId slider = named("r_dispradius");
        for (const auto &[entry, value] :
             {std::pair{u"49"_s, -1}, {u"50"_s, 50}, {u" 1e3 "_s, 1000}, {u"1001"_s, -1}, {u"abc"_s, -1}}) {
            tables.sldef[size_t(slider.place())] = entry;
            QCOMPARE(StartupData::sliderResetValue(tables, slider).value_or(-1), value);
        }
    }
};

QTEST_GUILESS_MAIN(TestStartupData)
#include "test_startupdata.moc"
