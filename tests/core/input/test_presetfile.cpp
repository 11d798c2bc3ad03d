#include "core/catalogue/CatalogueText.h"
#include "core/catalogue/RowActions.h"
#include "core/catalogue/StartupData.h"
#include "core/input/PresetFile.h"
#include "support/ChoicesText.h"
#include "support/TestCase.h"

class TestPresetFile : public QObject {
    Q_OBJECT

    const QString data = QStringLiteral(TUNEWICK_SOURCE_DATA_DIR "/");

    // The rows a preset changes from the window's initial state, or why it is refused.
    static QString applied(const PresetFile::Parsed &parsed)
    {
        if (const auto *problem = std::get_if<PresetFile::Problem>(&parsed))
            return problem->text;
        Choices rows;
        PresetFile::apply(std::get<QList<PresetFile::Step>>(parsed), rows);
        return changedSettings(rows).join(u' ');
    }

private slots:
    // "%on" stands for 37 items of 1, and for the 37 rows they turn On.
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("short file, lines, blanks, quotes")
            << "1,3,\"1\" \r\n  3\n\n1"_ba
            << u"cl_phys_props_enable=On cl_ragdoll_physics_enable=Off cl_show_splashes=On cl_smooth=Off "
               "cl_c4dynamiclight=On"_s;
        QTest::newRow("slider items: 2 is 0, else the number after the point, else the item")
            << "%on0.500,2,7.90,\"a,b.60\",1000,.4445"_ba
            << u"%on cl_phys_props_max=500 mp_decals=0 r_decals=90 r_dispradius=60 r_dispfullradius=1000 "
               "r_propsmaxdist=4445"_s;
        QTest::newRow("52 items") << "%on0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"_ba << u"The file has more than 51 items."_s;
        QTest::newRow("52nd item unclosed")
            << "%on0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"0"_ba << u"Item 52 has no closing quote."_s;
        QTest::newRow("empty items") << "\"\",1, ,\n3"_ba << u"cl_ragdoll_physics_enable=On cl_c4dynamiclight=Off"_s;
        QTest::newRow("slider value at a three-state")
            << "1,1,1,1,1,300"_ba << u"Item 6 (cl_ejectbrass) must end in 1 (On) or 3 (Off)."_s;
        QTest::newRow("On at a slider")
            << "%on0.301"_ba << u"Item 38 (cl_phys_props_max) is a slider value and must not end in 1 or 3."_s;
        QTest::newRow("no kind digit") << "on"_ba << u"Item 1 (cl_phys_props_enable) does not end in a digit."_s;
        QTest::newRow("beyond 16 bits")
            << "%on0.40000"_ba << u"Item 38 (cl_phys_props_max) does not hold a whole number from -32768 to 32767."_s;
        QTest::newRow("closing quote on a later line")
            << "1,\"3\r\n\",1"_ba << u"Item 2 (cl_ragdoll_physics_enable) has no closing quote."_s;
        QTest::newRow("text after the closing quote")
            << "\"3\"1"_ba << u"Item 1 (cl_phys_props_enable) has text after its closing quote."_s;
    }
    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, result);
        QStringList allOn;
        for (const Catalogue::Setting &setting : Catalogue::settings().first(Catalogue::threeStateCount))
            allOn << toQString(setting.name) + u"=On"_s;
        text.replace("%on", QByteArray("1,").repeated(Catalogue::threeStateCount));
        QCOMPARE(applied(PresetFile::parse(text)), result.replace(u"%on"_s, allOn.join(u' ')));
    }

    // Each shipped preset reads whole and leaves alone the network rates, fps_max and the names today's game
    // does not know, the FPS presets also two rows of the engine's own choice, High Quality the player's
    // anti-aliasing; Default sets each other row as its "D" button does.
    void shippedPresets()
    {
        const StartupTables tables = StartupData::readStartupTables(data).tables;
        const QString leftAlone = u"mat_bloom %1r_dispenablelod %2r_dispradius r_dispfullradius "
                                  u"cl_updaterate cl_cmdrate cl_rate rate fps_max"_s;
        for (const QString &name : {u"highq"_s, u"defq"_s, u"hfps"_s, u"dhfps"_s}) {
            const QString want = leftAlone.arg(name == u"highq"_s ? u"mat_antialias "_s : u""_s,
                                               name.endsWith(u"fps"_s) ? u"r_fastzreject cl_interpolate "_s : u""_s);
            // A file that does not read whole throws here.
            Choices given;
            PresetFile::apply(std::get<QList<PresetFile::Step>>(PresetFile::readFile(data + name + u".cst"_s)), given);
            QStringList notAsMeant;
            for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
                Choices pressedD;
                RowActions::reset(pressedD, tables, setting);
                // A row not given, or one Default gives otherwise than "D" does.
                if (!given.isSet(setting) ? setting != Catalogue::directXSetting
                                          : name == u"defq"_s && given.value(setting) != pressedD.value(setting))
                    notAsMeant << toQString(Catalogue::setting(setting).name);
            }
            QCOMPARE(notAsMeant.join(u' '), want);
        }
        QVERIFY(applied(PresetFile::readFile(data + u"none.cst"_s)).startsWith(u"The file cannot be read: "_s));
    }
};

QTEST_GUILESS_MAIN(TestPresetFile)
#include "test_presetfile.moc"
