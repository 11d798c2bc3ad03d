#include "catalogue/Catalogue.h"
#include "input/PresetFile.h"
#include "support/FakeRows.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A well-formed complete preset: every three-state row Off, every slider at `slider`.
QByteArray fullPreset(const QByteArray &slider = "0.100")
{
    QByteArrayList items;
    for (int i = 0; i < Catalogue::threeStateCount; ++i)
        items << "3";
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        items << slider;
    return items.join(',') + "\r\n";
}

// The same with item `item` replaced.
QByteArray withItem(int item, const QByteArray &text)
{
    QByteArrayList items = fullPreset().trimmed().split(',');
    items[item] = text;
    return items.join(',');
}

QList<PresetFile::Step> stepsOf(const PresetFile::Parsed &parsed)
{
    if (const auto *problem = std::get_if<PresetFile::Problem>(&parsed))
        qWarning("unexpected problem: %s", qPrintable(problem->text));
    return std::get_if<QList<PresetFile::Step>>(&parsed) ? std::get<QList<PresetFile::Step>>(parsed)
                                                         : QList<PresetFile::Step>();
}

QByteArray sourceFile(const QString &name)
{
    QFile file(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR) + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPresetFile : public QObject {
    Q_OBJECT
private slots:
    void readsItems_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("item");        // the item looked at
        QTest::addColumn<int>("state");       // three-state item: 1 On, 0 Off
        QTest::addColumn<int>("sliderValue"); // slider item
        QTest::addColumn<int>("count");       // items in the file

        QTest::newRow("first item 1 is On") << withItem(0, "1") << 0 << 1 << 0 << 51;
        QTest::newRow("first item 3 is Off") << withItem(0, "3") << 0 << 0 << 0 << 51;
        QTest::newRow("text before the kind digit") << withItem(36, "0.1") << 36 << 1 << 0 << 51;
        QTest::newRow("item 37 is the first slider") << withItem(37, "0.300") << 37 << 0 << 300 << 51;
        QTest::newRow("item 50 is fov, 0.90") << withItem(50, "0.90") << 50 << 0 << 90 << 51;
        QTest::newRow("item 50 is fov, 90") << withItem(50, "90") << 50 << 0 << 90 << 51;
        QTest::newRow("item 50 is fov, 7.90") << withItem(50, "7.90") << 50 << 0 << 90 << 51;
        QTest::newRow("kind 2 sets 0") << withItem(50, "0.92") << 50 << 0 << 0 << 51;
        QTest::newRow("2048") << withItem(39, "0.2048") << 39 << 0 << 2048 << 51;
        QTest::newRow("negative value kept") << withItem(40, "-50") << 40 << 0 << -50 << 51;
        QTest::newRow("value beyond the slider kept") << withItem(48, "30000") << 48 << 0 << 30000 << 51;
        QTest::newRow("quoted") << withItem(37, "\"0.500\"") << 37 << 0 << 500 << 51;
        QTest::newRow("quoted with a comma") << withItem(37, "\"a,b.500\"") << 37 << 0 << 500 << 51;
        QTest::newRow("blanks before items") << "  1,   3,  1"_ba << 1 << 0 << 0 << 3;
        QTest::newRow("blanks after a quote") << "\"1\"  ,3"_ba << 0 << 1 << 0 << 2;
        QTest::newRow("items on lines") << "1\r\n3\n1\r3"_ba << 3 << 0 << 0 << 4;
        QTest::newRow("empty lines hold no items") << "1\r\n\r\n3\r\n\r\n"_ba << 1 << 0 << 0 << 2;
        QTest::newRow("short file") << "1,1,1,1,1,1,1,1,1,3"_ba << 9 << 0 << 0 << 10;
    }

    void readsItems()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, item);
        QFETCH(int, state);
        QFETCH(int, sliderValue);
        QFETCH(int, count);
        const QList<PresetFile::Step> steps = stepsOf(PresetFile::parse(text));
        QCOMPARE(steps.size(), count);
        const PresetFile::Step &step = steps.at(item);
        QCOMPARE(step.item, item);
        if (item < Catalogue::threeStateCount)
            QCOMPARE(step.state, state == 1 ? RowState::On : RowState::Off);
        else
            QCOMPARE(step.sliderValue, sliderValue);
    }

    void refusesMalformedFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("problem");

        QTest::newRow("more than 51 items") << fullPreset() + "0" << 51 << u"The file has more than 51 items."_s;
        QTest::newRow("empty item") << withItem(2, "") << 2 << u"Item 3 (cl_show_splashes) is empty."_s;
        QTest::newRow("blanks only") << withItem(2, "  ") << 2 << u"Item 3 (cl_show_splashes) is empty."_s;
        QTest::newRow("empty quotes") << withItem(2, "\"\"") << 2 << u"Item 3 (cl_show_splashes) is empty."_s;
        QTest::newRow("trailing comma") << "1,3,"_ba << 2 << u"Item 3 (cl_show_splashes) is empty."_s;
        QTest::newRow("comma before line end")
            << "1,\r\n3"_ba << 1 << u"Item 2 (cl_ragdoll_physics_enable) is empty."_s;
        QTest::newRow("slider kind at a three-state")
            << withItem(5, "0") << 5 << u"Item 6 (cl_ejectbrass) must end in 1 (On) or 3 (Off)."_s;
        QTest::newRow("kind 2 at a three-state")
            << withItem(36, "2") << 36 << u"Item 37 (gameui_hide) must end in 1 (On) or 3 (Off)."_s;
        QTest::newRow("On kind at a slider")
            << withItem(37, "0.301") << 37
            << u"Item 38 (cl_phys_props_max) is a slider value and must not end in 1 or 3."_s;
        QTest::newRow("Off kind at a slider")
            << withItem(50, "3") << 50 << u"Item 51 (fov) is a slider value and must not end in 1 or 3."_s;
        QTest::newRow("no kind digit") << withItem(0, "on") << 0
                                       << u"Item 1 (cl_phys_props_enable) does not end in a digit."_s;
        QTest::newRow("blank after the digit")
            << withItem(0, "1 ") << 0 << u"Item 1 (cl_phys_props_enable) does not end in a digit."_s;
        QTest::newRow("value beyond 16 bits")
            << withItem(48, "0.40000") << 48 << u"Item 49 (rate) does not hold a whole number from -32768 to 32767."_s;
        QTest::newRow("value no number") << withItem(
            37, "x.1e5") << 37 << u"Item 38 (cl_phys_props_max) does not hold a whole number from -32768 to 32767."_s;
        QTest::newRow("no closing quote")
            << withItem(4, "\"3") << 4 << u"Item 5 (cl_c4dynamiclight) has no closing quote."_s;
        QTest::newRow("closing quote on a later line")
            << "1,\"3\r\n\",1"_ba << 1 << u"Item 2 (cl_ragdoll_physics_enable) has no closing quote."_s;
        QTest::newRow("text after the closing quote")
            << withItem(4, "\"3\"1") << 4 << u"Item 5 (cl_c4dynamiclight) has text after its closing quote."_s;
    }

    void refusesMalformedFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, item);
        QFETCH(QString, problem);
        const PresetFile::Parsed parsed = PresetFile::parse(text);
        const auto *found = std::get_if<PresetFile::Problem>(&parsed);
        QVERIFY(found);
        QCOMPARE(found->item, item);
        QCOMPARE(found->text, problem);
    }

    void missingFileIsAProblem()
    {
        const PresetFile::Parsed parsed = PresetFile::readFile(u"/nonexistent/folder/highq.cst"_s);
        const auto *found = std::get_if<PresetFile::Problem>(&parsed);
        QVERIFY(found);
        QCOMPARE(found->item, -1);
        QVERIFY2(found->text.startsWith(u"The file cannot be read: "_s), qPrintable(found->text));
    }

    void applySetsCoveredRowsOnly()
    {
        FakeRows rows;
        rows.selectDx(2);
        rows.select(20, RowState::On);
        PresetFile::apply(stepsOf(PresetFile::parse("1,3,1\r\n")), rows);
        QCOMPARE(rows.rowState(0), RowState::On);
        QCOMPARE(rows.rowState(1), RowState::Off);
        QCOMPARE(rows.rowState(2), RowState::On);
        QCOMPARE(rows.rowState(3), RowState::Default);
        QCOMPARE(rows.rowState(20), RowState::On);
        QCOMPARE(rows.selectedDx(), std::optional<int>(2));
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            QCOMPARE(rows.sliderValue(k), Catalogue::sliderRow(k).slider.initial);
    }

    // The four presets shipped in the data folder.
    void shippedPresetsFitTheCatalogue_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *name : {"highq.cst", "defq.cst", "hfps.cst", "dhfps.cst"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void shippedPresetsFitTheCatalogue()
    {
        QFETCH(QString, file);
        const QByteArray text = sourceFile(file);
        QVERIFY(!text.isEmpty());
        const PresetFile::Parsed parsed = PresetFile::parse(text);
        if (const auto *problem = std::get_if<PresetFile::Problem>(&parsed))
            QFAIL(qPrintable(problem->text));
        const QList<PresetFile::Step> &steps = std::get<QList<PresetFile::Step>>(parsed);
        QCOMPARE(steps.size(), PresetFile::itemCount);
        for (int k = 0; k < Catalogue::sliderCount; ++k) {
            const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
            const int value = steps.at(Catalogue::threeStateCount + k).sliderValue;
            QVERIFY2(value >= range.min && value <= range.max, qPrintable(u"slider %1: %2"_s.arg(k).arg(value)));
        }
    }

    void defaultPresetIsTheResetState()
    {
        const QList<PresetFile::Step> steps = stepsOf(PresetFile::parse(sourceFile(u"defq.cst"_s)));
        QCOMPARE(steps.size(), PresetFile::itemCount);
        for (int row = 0; row < Catalogue::threeStateCount; ++row) {
            const RowState reset =
                Catalogue::threeStateRow(row).reset == Catalogue::Reset::On ? RowState::On : RowState::Off;
            QCOMPARE(steps.at(row).state, reset);
        }
    }

    void defaultPresetSlidersMatchTheirResetValues()
    {
        QFile sldef(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR "/sldef.cst"));
        if (!sldef.open(QIODevice::ReadOnly))
            QSKIP("no slider reset values in the data folder");
        const QList<QByteArray> lines = sldef.readAll().split('\n');
        const QList<PresetFile::Step> steps = stepsOf(PresetFile::parse(sourceFile(u"defq.cst"_s)));
        QCOMPARE(steps.size(), PresetFile::itemCount);
        for (int k = 0; k < Catalogue::sliderCount; ++k)
            QCOMPARE(steps.at(Catalogue::threeStateCount + k).sliderValue, lines.value(k).trimmed().toInt());
    }

    void qualityFallsFromHighQualityToDieHard()
    {
        // The eye candy of the first two tabs and the distances of the third.
        QList<QList<PresetFile::Step>> presets;
        for (const QString &file : {u"highq.cst"_s, u"defq.cst"_s, u"hfps.cst"_s, u"dhfps.cst"_s})
            presets << stepsOf(PresetFile::parse(sourceFile(file)));
        auto onCount = [](const QList<PresetFile::Step> &steps) {
            return std::count_if(steps.begin(), steps.begin() + 30,
                                 [](const PresetFile::Step &s) { return s.state == RowState::On; });
        };
        for (int i = 0; i + 1 < presets.size(); ++i) {
            QCOMPARE(presets[i].size(), PresetFile::itemCount);
            QVERIFY2(onCount(presets[i]) >= onCount(presets[i + 1]), qPrintable(QString::number(i)));
            for (int k = 0; k < 8; ++k) {
                const int item = Catalogue::threeStateCount + k;
                QVERIFY2(presets[i][item].sliderValue >= presets[i + 1][item].sliderValue,
                         qPrintable(u"preset %1, slider %2"_s.arg(i).arg(k)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPresetFile)
#include "test_presetfile.moc"
