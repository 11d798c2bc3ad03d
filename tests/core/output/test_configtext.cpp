#include "core/catalogue/StartupTables.h"
#include "core/input/ConfigReader.h"
#include "core/output/ConfigText.h"
#include "core/output/ValueTable.h"
#include "support/FakeRows.h"
#include "support/RowChanges.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestConfigText : public QObject {
    Q_OBJECT
private slots:
    // A locale that groups digits and writes a decimal comma must not reach either text.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // The preview of a fresh window, CR LF between its lines and none after the last: every row, the
    // Default ones with their default text as the data folder gives it (blanks after 20 and inside 36, an
    // empty one at 21), and level 90 when none is chosen.
    void previewOfAFreshWindow()
    {
        StartupTables tables;
        const QStringList defval =
            u"1|1|1|1|0|1|0|1|1|1|1|1|1|0|1|1|1|1|1|0|0  ||0|1|1|1|1|1|1|0|1|1|0.1|0|0|0|1 // hide|spare"_s.split(u'|');
        std::copy(defval.begin(), defval.end(), tables.defval.begin());
        ValueTable table;
        collectValues(FakeRows(), tables, table);
        QCOMPARE(composePreviewText(table),
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
                 "//=====================\r\necho :::Zorara l0aded:::\r\n//====================="_s);
    }

    // The file: only rows set On or Off, every slider, the DirectX level last; every line ends in CR LF.
    void fileWithSomeRowsSet()
    {
        FakeRows rows;
        rows.select(0, RowState::On);
        rows.select(1, RowState::Off);
        rows.select(32, RowState::On);
        rows.selectDx(4);
        rows.setSliderValue(13, 90);
        QCOMPARE(composeFileText(rows),
                 "//============\r\n//  Tunewick\r\n//============\r\n\r\ncl_phys_props_enable 1\r\n"
                 "cl_ragdoll_physics_enable 0\r\ncl_interp 1\r\ncl_phys_props_max 300\r\nmp_decals 200\r\n"
                 "r_decals 2048\r\nr_dispradius 500\r\nr_dispfullradius 400\r\nr_propsmaxdist 1200\r\n"
                 "r_rainradius 1500\r\nr_rainsplashpercentage 20\r\ncl_updaterate 20\r\ncl_cmdrate 30\r\n"
                 "cl_rate 10000\r\nrate 25000\r\nfps_max 300\r\nfov 90\r\nmat_dxlevel 81\r\n\r\n"
                 "//========================\r\necho :::Zorara l0aded:::\r\n//========================\r\n"_ba);
    }

    // Whatever the rows hold, Open reads the saved text back into the same rows.
    void fileReadsBackAsTheSameRows()
    {
        for (quint32 seed = 1; seed <= 8; ++seed) {
            const FakeRows rows = FakeRows::random(seed);
            FakeRows read;
            ConfigReader reader(read);
            reader.feed(composeFileText(rows));
            reader.finish();
            QCOMPARE(changedRows(read), changedRows(rows));
        }
    }
};

QTEST_GUILESS_MAIN(TestConfigText)
#include "test_configtext.moc"
