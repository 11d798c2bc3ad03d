#include "core/catalogue/CatalogueText.h"
#include "core/input/ConfigReader.h"
#include "core/input/OpenReport.h"
#include "support/ChoicesText.h"
#include "support/TestCase.h"

class TestConfigReader : public QObject {
    Q_OBJECT

    const QDir corpus{QStringLiteral(TUNEWICK_CORPUS_DIR)};

private slots:
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("rows");
        QTest::newRow("1 is On, any other number Off; a closing quote alone comes off")
            << "cl_showfps 1\ncl_smooth 2\"\ncl_interp 0.5"_ba << u"cl_smooth=Off cl_interp=Off cl_showfps=On"_s;
        QTest::newRow("blanks before the name, a tab after it, any letter case; no other blank ends it")
            << " cl_showfps 1\n\t Cl_Smooth\t1\ncl_interp\2401\nMAT_DXLEVEL 81"_ba
            << u"cl_smooth=On cl_showfps=On mat_dxlevel=81"_s;
        QTest::newRow("blanks and one pair of quotes around the value")
            << "cl_showfps  1 \t\nfps_max \" 250\t\"\nfov   \"90\"\ncl_rate \t\t\"2000\"\ncl_smooth \"0\" \t\nrate \"30000"_ba
            << u"cl_smooth=Off cl_showfps=On cl_rate=2000 rate=30000 fps_max=250 fov=90"_s;
        QTest::newRow("no number") << "fps_max \"2\"50\"\nfov \"90\" x\nmp_decals 5 0\ncl_rate 1e"_ba << QString();
        QTest::newRow("a comment outside quotes ends the command; an unclosed quote runs to the line end")
            << "cl_cmdrate 50 // x\nfov \"80\"// x\n// fps_max 100\nrate 30000//\ncl_smooth 1/2\nfps_max \"10 // 20\"\n"
               "mp_decals \"80 // x\ncl_updaterate \"40\" // \"x\nr_decals \"30; fov 90\""_ba
            << u"cl_updaterate=40 cl_cmdrate=50 rate=30000 fov=80"_s;
        QTest::newRow("\";\" separates commands outside quotes")
            << "cl_showfps 1; fov 80 ;rate 30000;;fps_max 100 // x; cl_smooth 0\nbind k \"fov 70; cl_cmdrate 50\"\n"
               "alias a \"x\"; cl_updaterate 40"_ba
            << u"cl_showfps=On cl_updaterate=40 rate=30000 fps_max=100 fov=80"_s;
        QTest::newRow("a name without a value sets nothing")
            << "fov 80\nfov\nfov // 90\n\tfov\t\nfov ;cl_showfps\t "_ba << u"fov=80"_s;
        QTest::newRow("a value the window cannot hold leaves the setting")
            << "fov 80\nfov 361\nmat_dxlevel 81\nmat_dxlevel 85\ncl_showfps 1\ncl_showfps on"_ba
            << u"cl_showfps=On mat_dxlevel=81 fov=80"_s;
        QTest::newRow("the last number wins")
            << "cl_showfps 1\r\nfov 80\r\ncl_showfps 0\r\nfov 100\r\ncl_showfps on\r\n"_ba
            << u"cl_showfps=Off fov=100"_s;
        QTest::newRow("mixed line ends") << "cl_showfps 1\nfov 90\r\n\r\nrate 30000\rcl_smooth 0\n\rmat_dxlevel 70"_ba
                                         << u"cl_smooth=Off cl_showfps=On mat_dxlevel=70 rate=30000 fov=90"_s;
        QTest::newRow("byte-order mark") << "\357\273\277cl_showfps 1\r\nfov 90"_ba << u"cl_showfps=On fov=90"_s;
        QTest::newRow("the start of a byte-order mark, and one later, are text")
            << "\357cl_showfps 1\nfov 90\r\n\357\273\277cl_smooth 1"_ba << u"fov=90"_s;
        QTest::newRow("NUL in name and value") << "fov\0 90\nrate 2\0\ncl_showfps 1"_ba << u"cl_showfps=On"_s;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("binary garbage") << garbage + "\r\nfov 90\r\n" + garbage + "\ncl_showfps 1"
                                        << u"cl_showfps=On fov=90"_s;
    }

    void readsLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, rows);
        // Given at once, and in pieces so that line ends and the byte-order mark fall across them.
        QCOMPARE(changedSettings(openedConfig(text)).join(u' '), rows);
        for (qsizetype piece : {1, 2, 3})
            QVERIFY2(changedSettings(openedConfig(text, {}, piece)).join(u' ') == rows,
                     qPrintable(u"pieces of %1"_s.arg(piece)));
    }

    void readsPlayersConfigs_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("rows"); // worked out by reading the file line by line; "?": not worked out
        const QHash<QString, QString> workedOut{
            // Quoted values, some followed by a comment; the fps_max inside an alias's quotes is no command.
            {u"11-css-notwlsn-autoexec.cfg"_s,
             u"cl_ragdoll_physics_enable=Off cl_smooth=Off cl_ejectbrass=Off mat_antialias=On mat_vsync=Off "
             "r_shadows=On cl_interp=Off cl_showfps=Off con_enable=On mat_dxlevel=95 cl_updaterate=66 cl_cmdrate=66 "
             "rate=128000 fps_max=999"_s},
            // Indented with tabs: mat_specular alone sets nothing, and cl_cmdrate "128" is beyond the game's 100.
            {u"08-css-anxton-kz-autoexec.cfg"_s, u"cl_interp=Off cl_updaterate=128 rate=786432 fps_max=150"_s},
            // Values padded to a column with spaces or tabs, some with blanks after the closing quote:
            // the blanks are not part of the value. fps_max "300" equals the slider's first position.
            {u"05-css-mon-alcatraz-fps.cfg"_s,
             u"cl_phys_props_enable=Off cl_c4dynamiclight=On mat_bumpmap=Off mat_filterlightmaps=On "
             "mat_filtertextures=On mat_specular=Off r_drawmodeldecals=On r_fastzreject=Off r_decals=50"_s},
        };
        if (!corpus.exists())
            QSKIP("The folder of collected configs is not there.");
        const QStringList files = corpus.entryList({u"*.cfg"_s}, QDir::Files);
        QVERIFY(files.size() >= 20);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file << workedOut.value(file, u"?"_s);
    }

    // Real players' configs: the last value of every row that the window can hold is the row's; the CR LF
    // copy reads the same. A slider holds every value of theirs that the game itself takes.
    void readsPlayersConfigs()
    {
        QFETCH(QString, file);
        QFETCH(QString, rows);
        Choices read;
        ConfigReader reader(read);
        QVERIFY(reader.readFile(corpus.filePath(file)));
        for (const Catalogue::SettingId setting : Catalogue::allSettings()) {
            const auto &last = reader.lastValues()[size_t(setting.place())];
            if (!last || last->longer)
                continue;
            Choices again = read; // which the last value, read once more, leaves as it is
            ConfigReader(again).feed(Catalogue::setting(setting).name.data() + (" \"" + last->text + "\"\n"));
            QVERIFY2(again == read, Catalogue::setting(setting).name.data());
        }
        for (const OpenReport::Unshown &each : OpenReport::unshownValues(reader.lastValues(), read))
            QVERIFY(Catalogue::setting(each.setting).kind == Catalogue::Kind::ThreeState
                    || toQString(Catalogue::setting(each.setting).name) + u' ' + each.fileText == u"cl_cmdrate 128"_s);
        Choices copy;
        if (corpus.exists(u"crlf/"_s + file))
            QVERIFY(ConfigReader(copy).readFile(corpus.filePath(u"crlf/"_s + file)) && copy == read);
        if (rows != u"?"_s)
            QCOMPARE(changedSettings(read).join(u' '), rows);
    }
};

QTEST_GUILESS_MAIN(TestConfigReader)
#include "test_configreader.moc"
