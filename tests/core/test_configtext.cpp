#include "catalogue/StartupTables.h"
#include "output/ConfigText.h"
#include "output/ValueTable.h"
#include "support/FakeRows.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Default value texts as a data folder might hold them: one with trailing blanks (20), one left
// empty (21), one with inner blanks (36), and an unused entry after the three-state rows.
StartupTables handMadeTables()
{
    StartupTables tables;
    const QStringList defval{u"1"_s,   u"1"_s, u"1"_s, u"1"_s, u"0"_s,         u"1"_s,          u"0"_s, u"1"_s,
                             u"1"_s,   u"1"_s, u"1"_s, u"1"_s, u"1"_s,         u"0"_s,          u"1"_s, u"1"_s,
                             u"1"_s,   u"1"_s, u"1"_s, u"0"_s, u"0  "_s,       u""_s,           u"0"_s, u"1"_s,
                             u"1"_s,   u"1"_s, u"1"_s, u"1"_s, u"1"_s,         u"0"_s,          u"1"_s, u"1"_s,
                             u"0.1"_s, u"0"_s, u"0"_s, u"0"_s, u"1 // hide"_s, u"never shown"_s};
    for (int i = 0; i < defval.size(); ++i)
        tables.defval[i] = defval[i];
    return tables;
}

// Rows 0 On, 1 Off, 21 On, cl_interp On, DirectX 8.1, sliders at both ends and fov 90.
void setMixedState(FakeRows &rows)
{
    rows.select(0, RowState::On);
    rows.select(1, RowState::Off);
    rows.select(21, RowState::On);
    rows.select(32, RowState::On);
    rows.selectDx(4);
    rows.setSliderValue(0, 0);
    rows.setSliderValue(2, 99999); // beyond the end: the slider keeps its maximum
    rows.setSliderValue(10, 1);
    rows.setSliderValue(11, 50000);
    rows.setSliderValue(13, 90);
}

void setEverySlider(FakeRows &rows, bool toMaximum)
{
    for (int k = 0; k < Catalogue::sliderCount; ++k)
        rows.setSliderValue(k, toMaximum ? 1'000'000 : -1'000'000);
}

QString previewOf(const FakeRows &rows)
{
    ValueTable table;
    collectValues(rows, handMadeTables(), table);
    return composePreviewText(table);
}

const QString startPreview = u"//============\r\n"
                             "//    Tunewick    \r\n"
                             "//============\r\n"
                             "\r\n"
                             "cl_phys_props_enable 1\r\n"
                             "cl_ragdoll_physics_enable 1\r\n"
                             "cl_show_splashes 1\r\n"
                             "cl_smooth 1\r\n"
                             "cl_c4dynamiclight 0\r\n"
                             "cl_ejectbrass 1\r\n"
                             "cl_ragdoll_collide 0\r\n"
                             "cl_show_bloodspray 1\r\n"
                             "fog_enable 1\r\n"
                             "fog_enable_water_fog 1\r\n"
                             "mat_bloom 1\r\n"
                             "mat_bumpmap 1\r\n"
                             "mat_clipz 1\r\n"
                             "mat_fastnobump 0\r\n"
                             "mat_filterlightmaps 1\r\n"
                             "mat_filtertextures 1\r\n"
                             "mat_mipmaptextures 1\r\n"
                             "mat_specular 1\r\n"
                             "mat_trilinear 1\r\n"
                             "mat_antialias 0\r\n"
                             "mat_vsync 0  \r\n"
                             "r_drawrain \r\n"
                             "r_drawropes 0\r\n"
                             "r_drawmodeldecals 1\r\n"
                             "r_rainsimulate 1\r\n"
                             "r_shadows 1\r\n"
                             "r_waterdrawreflection 1\r\n"
                             "r_waterdrawrefraction 1\r\n"
                             "r_dispenablelod 1\r\n"
                             "r_fastzreject 0\r\n"
                             "cl_dynamiccrosshair 1\r\n"
                             "cl_interpolate 1\r\n"
                             "cl_interp 0.1\r\n"
                             "cl_showfps 0\r\n"
                             "con_enable 0\r\n"
                             "mat_show_texture_memory_usage 0\r\n"
                             "gameui_hide 1 // hide\r\n"
                             "mat_dxlevel 90\r\n"
                             "cl_phys_props_max 300\r\n"
                             "mp_decals 200\r\n"
                             "r_decals 2048\r\n"
                             "r_dispradius 500\r\n"
                             "r_dispfullradius 400\r\n"
                             "r_propsmaxdist 1200\r\n"
                             "r_rainradius 1500\r\n"
                             "r_rainsplashpercentage 20\r\n"
                             "cl_updaterate 20\r\n"
                             "cl_cmdrate 30\r\n"
                             "cl_rate 10000\r\n"
                             "rate 25000\r\n"
                             "fps_max 300\r\n"
                             "fov 75\r\n"
                             "\r\n"
                             "//=====================\r\n"
                             "echo :::Zorara l0aded:::\r\n"
                             "//====================="_s;

const QString mixedPreview = u"//============\r\n"
                             "//    Tunewick    \r\n"
                             "//============\r\n"
                             "\r\n"
                             "cl_phys_props_enable 1\r\n"
                             "cl_ragdoll_physics_enable 0\r\n"
                             "cl_show_splashes 1\r\n"
                             "cl_smooth 1\r\n"
                             "cl_c4dynamiclight 0\r\n"
                             "cl_ejectbrass 1\r\n"
                             "cl_ragdoll_collide 0\r\n"
                             "cl_show_bloodspray 1\r\n"
                             "fog_enable 1\r\n"
                             "fog_enable_water_fog 1\r\n"
                             "mat_bloom 1\r\n"
                             "mat_bumpmap 1\r\n"
                             "mat_clipz 1\r\n"
                             "mat_fastnobump 0\r\n"
                             "mat_filterlightmaps 1\r\n"
                             "mat_filtertextures 1\r\n"
                             "mat_mipmaptextures 1\r\n"
                             "mat_specular 1\r\n"
                             "mat_trilinear 1\r\n"
                             "mat_antialias 0\r\n"
                             "mat_vsync 0  \r\n"
                             "r_drawrain 1\r\n"
                             "r_drawropes 0\r\n"
                             "r_drawmodeldecals 1\r\n"
                             "r_rainsimulate 1\r\n"
                             "r_shadows 1\r\n"
                             "r_waterdrawreflection 1\r\n"
                             "r_waterdrawrefraction 1\r\n"
                             "r_dispenablelod 1\r\n"
                             "r_fastzreject 0\r\n"
                             "cl_dynamiccrosshair 1\r\n"
                             "cl_interpolate 1\r\n"
                             "cl_interp 1\r\n"
                             "cl_showfps 0\r\n"
                             "con_enable 0\r\n"
                             "mat_show_texture_memory_usage 0\r\n"
                             "gameui_hide 1 // hide\r\n"
                             "mat_dxlevel 81\r\n"
                             "cl_phys_props_max 0\r\n"
                             "mp_decals 200\r\n"
                             "r_decals 4096\r\n"
                             "r_dispradius 500\r\n"
                             "r_dispfullradius 400\r\n"
                             "r_propsmaxdist 1200\r\n"
                             "r_rainradius 1500\r\n"
                             "r_rainsplashpercentage 20\r\n"
                             "cl_updaterate 20\r\n"
                             "cl_cmdrate 30\r\n"
                             "cl_rate 1\r\n"
                             "rate 50000\r\n"
                             "fps_max 300\r\n"
                             "fov 90\r\n"
                             "\r\n"
                             "//=====================\r\n"
                             "echo :::Zorara l0aded:::\r\n"
                             "//====================="_s;

const QByteArray fileHeader = "//============\r\n"
                              "//  Tunewick\r\n"
                              "//============\r\n"
                              "\r\n";
const QByteArray fileFooter = "\r\n"
                              "//========================\r\n"
                              "echo :::Zorara l0aded:::\r\n"
                              "//========================\r\n";
const QByteArray initialSliderLines = "cl_phys_props_max 300\r\n"
                                      "mp_decals 200\r\n"
                                      "r_decals 2048\r\n"
                                      "r_dispradius 500\r\n"
                                      "r_dispfullradius 400\r\n"
                                      "r_propsmaxdist 1200\r\n"
                                      "r_rainradius 1500\r\n"
                                      "r_rainsplashpercentage 20\r\n"
                                      "cl_updaterate 20\r\n"
                                      "cl_cmdrate 30\r\n"
                                      "cl_rate 10000\r\n"
                                      "rate 25000\r\n"
                                      "fps_max 300\r\n"
                                      "fov 75\r\n";

} // namespace

class TestConfigText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A locale that groups digits and uses a decimal comma must not reach the config text.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void previewText_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("expected");
        QTest::newRow("right after start") << u"start"_s << startPreview;
        QTest::newRow("rows, DirectX 8.1 and sliders set") << u"mixed"_s << mixedPreview;
    }

    void previewText()
    {
        QFETCH(QString, state);
        QFETCH(QString, expected);
        FakeRows rows;
        if (state == u"mixed"_s)
            setMixedState(rows);
        const QString text = previewOf(rows);
        QCOMPARE(text.split(u"\r\n"_s), expected.split(u"\r\n"_s)); // line by line, for a readable failure
        QCOMPARE(text, expected);
        QCOMPARE(text.split(u"\r\n"_s).size(), 60);
    }

    void fileText_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("right after start") << u"start"_s << fileHeader + initialSliderLines + fileFooter;
        QTest::newRow("rows, DirectX 8.1 and sliders set") << u"mixed"_s
                                                           << fileHeader
                                                                  + "cl_phys_props_enable 1\r\n"
                                                                    "cl_ragdoll_physics_enable 0\r\n"
                                                                    "r_drawrain 1\r\n"
                                                                    "cl_interp 1\r\n"
                                                                    "cl_phys_props_max 0\r\n"
                                                                    "mp_decals 200\r\n"
                                                                    "r_decals 4096\r\n"
                                                                    "r_dispradius 500\r\n"
                                                                    "r_dispfullradius 400\r\n"
                                                                    "r_propsmaxdist 1200\r\n"
                                                                    "r_rainradius 1500\r\n"
                                                                    "r_rainsplashpercentage 20\r\n"
                                                                    "cl_updaterate 20\r\n"
                                                                    "cl_cmdrate 30\r\n"
                                                                    "cl_rate 1\r\n"
                                                                    "rate 50000\r\n"
                                                                    "fps_max 300\r\n"
                                                                    "fov 90\r\n"
                                                                    "mat_dxlevel 81\r\n"
                                                                  + fileFooter;
        QTest::newRow("every slider at its minimum, DirectX 9.0") << u"minimum"_s
                                                                  << fileHeader
                                                                         + "cl_phys_props_max 0\r\n"
                                                                           "mp_decals 0\r\n"
                                                                           "r_decals 0\r\n"
                                                                           "r_dispradius 50\r\n"
                                                                           "r_dispfullradius 50\r\n"
                                                                           "r_propsmaxdist 100\r\n"
                                                                           "r_rainradius 0\r\n"
                                                                           "r_rainsplashpercentage 0\r\n"
                                                                           "cl_updaterate 1\r\n"
                                                                           "cl_cmdrate 1\r\n"
                                                                           "cl_rate 1\r\n"
                                                                           "rate 10000\r\n"
                                                                           "fps_max 1\r\n"
                                                                           "fov 1\r\n"
                                                                           "mat_dxlevel 90\r\n"
                                                                         + fileFooter;
        QTest::newRow("every slider at its maximum, every row Off")
            << u"maximum"_s
            << fileHeader
                   + "cl_phys_props_enable 0\r\ncl_ragdoll_physics_enable 0\r\ncl_show_splashes 0\r\n"
                     "cl_smooth 0\r\ncl_c4dynamiclight 0\r\ncl_ejectbrass 0\r\ncl_ragdoll_collide 0\r\n"
                     "cl_show_bloodspray 0\r\nfog_enable 0\r\nfog_enable_water_fog 0\r\nmat_bloom 0\r\n"
                     "mat_bumpmap 0\r\nmat_clipz 0\r\nmat_fastnobump 0\r\nmat_filterlightmaps 0\r\n"
                     "mat_filtertextures 0\r\nmat_mipmaptextures 0\r\nmat_specular 0\r\nmat_trilinear 0\r\n"
                     "mat_antialias 0\r\nmat_vsync 0\r\nr_drawrain 0\r\nr_drawropes 0\r\n"
                     "r_drawmodeldecals 0\r\nr_rainsimulate 0\r\nr_shadows 0\r\nr_waterdrawreflection 0\r\n"
                     "r_waterdrawrefraction 0\r\nr_dispenablelod 0\r\nr_fastzreject 0\r\n"
                     "cl_dynamiccrosshair 0\r\ncl_interpolate 0\r\ncl_interp 0\r\ncl_showfps 0\r\n"
                     "con_enable 0\r\nmat_show_texture_memory_usage 0\r\ngameui_hide 0\r\n"
                     "cl_phys_props_max 1000\r\n"
                     "mp_decals 4096\r\n"
                     "r_decals 4096\r\n"
                     "r_dispradius 1000\r\n"
                     "r_dispfullradius 1000\r\n"
                     "r_propsmaxdist 5000\r\n"
                     "r_rainradius 3000\r\n"
                     "r_rainsplashpercentage 100\r\n"
                     "cl_updaterate 100\r\n"
                     "cl_cmdrate 100\r\n"
                     "cl_rate 30000\r\n"
                     "rate 50000\r\n"
                     "fps_max 300\r\n"
                     "fov 360\r\n"
                   + fileFooter;
    }

    void fileText()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, expected);
        FakeRows rows;
        if (state == u"mixed"_s)
            setMixedState(rows);
        if (state == u"minimum"_s) {
            setEverySlider(rows, false);
            rows.selectDx(5);
        }
        if (state == u"maximum"_s) {
            setEverySlider(rows, true);
            for (int row = 0; row < Catalogue::threeStateCount; ++row)
                rows.select(row, RowState::Off);
        }
        const QByteArray text = composeFileText(rows);
        QCOMPARE(text.split('\n'), expected.split('\n'));
        QCOMPARE(text, expected);
    }

    void directXLine_data()
    {
        QTest::addColumn<int>("member"); // -1: none selected
        QTest::addColumn<QString>("previewLine");
        QTest::addColumn<QByteArray>("fileEnd");
        const QByteArray lastSlider = "fov 75\r\n";
        QTest::newRow("none") << -1 << u"mat_dxlevel 90"_s << lastSlider + fileFooter;
        QTest::newRow("DirectX 5.0") << 0 << u"mat_dxlevel 50"_s << lastSlider + "mat_dxlevel 50\r\n" + fileFooter;
        QTest::newRow("DirectX 6.0") << 1 << u"mat_dxlevel 60"_s << lastSlider + "mat_dxlevel 60\r\n" + fileFooter;
        QTest::newRow("DirectX 7.0") << 2 << u"mat_dxlevel 70"_s << lastSlider + "mat_dxlevel 70\r\n" + fileFooter;
        QTest::newRow("DirectX 8.0") << 3 << u"mat_dxlevel 80"_s << lastSlider + "mat_dxlevel 80\r\n" + fileFooter;
        QTest::newRow("DirectX 8.1") << 4 << u"mat_dxlevel 81"_s << lastSlider + "mat_dxlevel 81\r\n" + fileFooter;
        QTest::newRow("DirectX 9.0") << 5 << u"mat_dxlevel 90"_s << lastSlider + "mat_dxlevel 90\r\n" + fileFooter;
    }

    void directXLine()
    {
        QFETCH(int, member);
        QFETCH(QString, previewLine);
        QFETCH(QByteArray, fileEnd);
        FakeRows rows;
        if (member >= 0)
            rows.selectDx(member);
        const QStringList lines = previewOf(rows).split(u"\r\n"_s);
        QCOMPARE(lines.at(40), u"gameui_hide 1 // hide"_s);
        QCOMPARE(lines.at(41), previewLine);
        QCOMPARE(lines.at(42), u"cl_phys_props_max 300"_s);
        const QByteArray file = composeFileText(rows);
        QVERIFY2(file.endsWith(fileEnd), file.constData());
        QCOMPARE(file.count("mat_dxlevel"), member >= 0 ? 1 : 0);
    }

    void collectValues_overwritesEveryEntryWithTaggedValues()
    {
        ValueTable table;
        for (ConfigValue &value : table.cvarvalue)
            value = u"stale"_s;
        for (ConfigValue &value : table.slidername)
            value = std::int32_t{-1};
        FakeRows rows;
        rows.select(3, RowState::On);
        rows.select(4, RowState::Off);
        rows.setSliderValue(12, 123);
        collectValues(rows, handMadeTables(), table);

        QCOMPARE(table.cvarvalue[3], ConfigValue(std::int16_t{1}));
        QCOMPARE(table.cvarvalue[4], ConfigValue(std::int16_t{0}));
        QCOMPARE(table.cvarvalue[20], ConfigValue(u"0  "_s));
        QCOMPARE(table.cvarvalue[21], ConfigValue(QString()));
        QCOMPARE(table.cvarvalue[ValueTable::dxEntry], ConfigValue(std::int16_t{90}));
        QCOMPARE(table.cvarname[ValueTable::dxEntry], ConfigValue(u"mat_dxlevel"_s));
        QCOMPARE(table.cvarname[32], ConfigValue(u"cl_interp"_s));
        QCOMPARE(table.slidername[13], ConfigValue(u"fov"_s));
        QCOMPARE(table.slidervalue[12], ConfigValue(std::int32_t{123}));
        for (int k = 0; k < Catalogue::sliderCount; ++k) {
            QVERIFY(std::holds_alternative<QString>(table.slidername[k]));
            QVERIFY(std::holds_alternative<std::int32_t>(table.slidervalue[k]));
        }

        // A second collection follows the rows as they are now.
        rows.select(3, RowState::Off);
        rows.selectDx(0);
        collectValues(rows, handMadeTables(), table);
        QCOMPARE(table.cvarvalue[3], ConfigValue(std::int16_t{0}));
        QCOMPARE(table.cvarvalue[ValueTable::dxEntry], ConfigValue(std::int16_t{50}));
    }

    void valueText_writesPlainDecimal_data()
    {
        QTest::addColumn<ConfigValue>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ConfigValue() << QString();
        QTest::newRow("16-bit negative") << ConfigValue(std::int16_t{-32768}) << u"-32768"_s;
        QTest::newRow("32-bit large") << ConfigValue(std::int32_t{2147483647}) << u"2147483647"_s;
        QTest::newRow("32-bit zero") << ConfigValue(std::int32_t{0}) << u"0"_s;
        QTest::newRow("text kept with its blanks") << ConfigValue(u" 1,5 "_s) << u" 1,5 "_s;
    }

    void valueText_writesPlainDecimal()
    {
        QFETCH(ConfigValue, value);
        QFETCH(QString, expected);
        QCOMPARE(valueText(value), expected);
    }
};

QTEST_GUILESS_MAIN(TestConfigText)
#include "test_configtext.moc"
