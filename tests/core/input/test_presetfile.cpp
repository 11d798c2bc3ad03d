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
        QTest::newRow("empty items leave their rows: blanks, quotes, a comma before the line end")
            << "1,  ,\"\",1,\r\n3"_ba << u"cl_phys_props_enable=On cl_smooth=On cl_ejectbrass=Off"_s;
        QTest::newRow("comma after the last item")
            << "%on0,0,0,0,0,0,0,0,0,0,0,0,0,0,"_ba << u"The file has more than 51 items."_s;
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
        const QString unknownAndRates = u"mat_bloom r_dispenablelod r_dispradius r_dispfullradius cl_updaterate "
                                        u"cl_cmdrate cl_rate rate fps_max"_s;
        const QString fpsRows = u"r_fastzreject cl_interpolate "_s;
        Choices reset;
        const StartupTables tables = StartupData::readStartupTables(data).tables;
        for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
            if (setting != Catalogue::directXSetting)
                RowActions::reset(reset, tables, setting);
        }
        for (const auto &[name, leftAlone] :
             QList<std::pair<QString, QString>>{{u"highq"_s, u"mat_antialias "_s + unknownAndRates},
                                                {u"defq"_s, unknownAndRates},
                                                {u"hfps"_s, fpsRows + unknownAndRates},
                                                {u"dhfps"_s, fpsRows + unknownAndRates}}) {
            const PresetFile::Parsed parsed = PresetFile::readFile(data + name + u".cst"_s);
            QVERIFY2(std::holds_alternative<QList<PresetFile::Step>>(parsed), qPrintable(applied(parsed)));
            const QList<PresetFile::Step> &steps = std::get<QList<PresetFile::Step>>(parsed);
            Choices given;
            PresetFile::apply(steps, given);
            QStringList notGiven;
            for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
                if (!given.isSet(setting) && setting != Catalogue::directXSetting)
                    notGiven << toQString(Catalogue::setting(setting).name);
            }
            QStringList expected = leftAlone.split(u' ');
            std::ranges::sort(expected);
            std::ranges::sort(notGiven);
            QCOMPARE(notGiven, expected);
            if (name == u"defq"_s) {
                Choices overReset = reset;
                PresetFile::apply(steps, overReset);
                QCOMPARE(changedSettings(overReset), changedSettings(reset));
            }
        }
        QVERIFY(applied(PresetFile::readFile(data + u"none.cst"_s)).startsWith(u"The file cannot be read: "_s));
    }
};

QTEST_GUILESS_MAIN(TestPresetFile)
#include "test_presetfile.moc"
