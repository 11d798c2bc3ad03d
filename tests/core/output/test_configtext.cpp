#include "core/catalogue/StartupTables.h"
#include "core/output/ConfigText.h"
#include "core/output/ValueTable.h"
#include "support/FakeRows.h"

#include <QLocale>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

using Setup = std::function<void(FakeRows &)>;
Q_DECLARE_METATYPE(Setup)

namespace {

// Default texts a data folder might hold: blanks after (20) and inside (36), an empty one (21), a spare.
StartupTables handMadeTables()
{
    StartupTables tables;
    const QStringList defval =
        u"1|1|1|1|0|1|0|1|1|1|1|1|1|0|1|1|1|1|1|0|0  ||0|1|1|1|1|1|1|0|1|1|0.1|0|0|0|1 // hide|never shown"_s.split(
            u'|');
    for (int i = 0; i < defval.size(); ++i)
        tables.defval[i] = defval[i];
    return tables;
}

void setEverySlider(FakeRows &rows, bool toMaximum)
{
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        const Catalogue::SliderRange &range = Catalogue::sliderRow(k).slider;
        rows.setSliderValue(k, toMaximum ? range.max : range.min);
    }
}

const QByteArray fileHeader = "//============\r\n//  Tunewick\r\n//============\r\n\r\n";
const QByteArray fileFooter =
    "\r\n//========================\r\necho :::Zorara l0aded:::\r\n//========================\r\n";

} // namespace

class TestConfigText : public QObject {
    Q_OBJECT
private slots:
    // A locale that groups digits and writes a decimal comma must not reach either text.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // One whole text of each: the preview right after start, the file with rows, DirectX and a slider set.
    void goldenTexts()
    {
        // CR LF between the lines and no line break after the last.
        const QString preview =
            u"//============\r\n//    Tunewick    \r\n//============\r\n\r\ncl_phys_props_enable 1\r\n"
            "cl_ragdoll_physics_enable 1\r\ncl_show_splashes 1\r\ncl_smooth 1\r\ncl_c4dynamiclight 0\r\n"
            "cl_ejectbrass 1\r\ncl_ragdoll_collide 0\r\ncl_show_bloodspray 1\r\nfog_enable 1\r\n"
            "fog_enable_water_fog 1\r\nmat_bloom 1\r\nmat_bumpmap 1\r\nmat_clipz 1\r\nmat_fastnobump 0\r\n"
            "mat_filterlightmaps 1\r\nmat_filtertextures 1\r\nmat_mipmaptextures 1\r\nmat_specular 1\r\n"
            "mat_trilinear 1\r\nmat_antialias 0\r\nmat_vsync 0  \r\nr_drawrain \r\nr_drawropes 0\r\n"
            "r_drawmodeldecals 1\r\nr_rainsimulate 1\r\nr_shadows 1\r\nr_waterdrawreflection 1\r\n"
            "r_waterdrawrefraction 1\r\nr_dispenablelod 1\r\nr_fastzreject 0\r\ncl_dynamiccrosshair 1\r\n"
            "cl_interpolate 1\r\ncl_interp 0.1\r\ncl_showfps 0\r\ncon_enable 0\r\n"
            "mat_show_texture_memory_usage 0\r\ngameui_hide 1 // hide\r\nmat_dxlevel 90\r\n"
            "cl_phys_props_max 300\r\nmp_decals 200\r\nr_decals 2048\r\nr_dispradius 500\r\n"
            "r_dispfullradius 400\r\nr_propsmaxdist 1200\r\nr_rainradius 1500\r\nr_rainsplashpercentage 20\r\n"
            "cl_updaterate 20\r\ncl_cmdrate 30\r\ncl_rate 10000\r\nrate 25000\r\nfps_max 300\r\nfov 75\r\n\r\n"
            "//=====================\r\necho :::Zorara l0aded:::\r\n//====================="_s;
        ValueTable table;
        collectValues(FakeRows(), handMadeTables(), table);
        QCOMPARE(composePreviewText(table), preview);

        FakeRows rows;
        rows.select(0, RowState::On);
        rows.select(1, RowState::Off);
        rows.select(21, RowState::On); // the row whose default text is empty
        rows.select(32, RowState::On);
        rows.selectDx(4);
        rows.setSliderValue(13, 90);
        const QByteArray body =
            "cl_phys_props_enable 1\r\ncl_ragdoll_physics_enable 0\r\nr_drawrain 1\r\ncl_interp 1\r\n"
            "cl_phys_props_max 300\r\nmp_decals 200\r\nr_decals 2048\r\nr_dispradius 500\r\n"
            "r_dispfullradius 400\r\nr_propsmaxdist 1200\r\nr_rainradius 1500\r\n"
            "r_rainsplashpercentage 20\r\ncl_updaterate 20\r\ncl_cmdrate 30\r\ncl_rate 10000\r\n"
            "rate 25000\r\nfps_max 300\r\nfov 90\r\nmat_dxlevel 81\r\n";
        QCOMPARE(composeFileText(rows), fileHeader + body + fileFooter);
    }

    // Other states, by the lines that set them apart: each line listed is in both texts; fileEnd
    // stands right before the footer.
    void otherStates_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArray>("fileEnd");
        QTest::addColumn<int>("fileLines");
        QTest::newRow("no DirectX level, cl_interp On") << Setup([](FakeRows &rows) { rows.select(32, RowState::On); })
                                                        << QByteArrayList{"cl_interp 1"} << QByteArray("fov 75") << 23;
        const char *const levels[] = {"50", "60", "70", "80", "81", "90"};
        for (int member = 0; member < 6; ++member) {
            const QByteArray line = "mat_dxlevel " + QByteArray(levels[member]);
            QTest::addRow("DirectX %s", levels[member])
                << Setup([member](FakeRows &rows) { rows.selectDx(member); }) << QByteArrayList{line} << line << 23;
        }
        QTest::newRow("every slider at its minimum")
            << Setup([](FakeRows &rows) { setEverySlider(rows, false); })
            << QByteArrayList{"cl_phys_props_max 0", "r_dispradius 50", "r_propsmaxdist 100", "rate 10000"}
            << QByteArray("fov 1") << 22;
        const Setup maximumAndOff = [](FakeRows &rows) {
            setEverySlider(rows, true);
            for (int row = 0; row < Catalogue::threeStateCount; ++row)
                rows.select(row, RowState::Off);
        };
        QTest::newRow("every slider at its maximum, every row Off")
            << maximumAndOff
            << QByteArrayList{"mat_vsync 0", "r_drawrain 0", "gameui_hide 0", "mp_decals 4096", "cl_rate 30000"}
            << QByteArray("fov 360") << 22 + Catalogue::threeStateCount;
    }

    void otherStates()
    {
        QFETCH(Setup, setup);
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArray, fileEnd);
        QFETCH(int, fileLines);
        FakeRows rows;
        setup(rows);
        ValueTable table;
        collectValues(rows, handMadeTables(), table);
        const QStringList preview = composePreviewText(table).split(u"\r\n"_s);
        const QByteArray file = composeFileText(rows);

        QCOMPARE(preview.size(), 60);
        QVERIFY(preview.at(41).startsWith(u"mat_dxlevel "_s)); // after the three-state rows, always there
        QVERIFY2(file.startsWith(fileHeader) && file.endsWith("\r\n" + fileEnd + "\r\n" + fileFooter),
                 file.constData());
        QCOMPARE(file.count("\r\n"), fileLines);
        QCOMPARE(file.count('\n'), fileLines); // no bare line feeds
        QCOMPARE(file.count("mat_dxlevel"), fileEnd.startsWith("mat_dxlevel") ? 1 : 0);
        for (const QByteArray &line : lines) {
            QVERIFY2(preview.contains(QString::fromLatin1(line)), line.constData());
            QVERIFY2(file.contains("\r\n" + line + "\r\n"), line.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigText)
#include "test_configtext.moc"
