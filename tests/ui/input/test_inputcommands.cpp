#include "core/input/GameConfigFolder.h"
#include "core/input/PresetFile.h"
#include "support/AppFixture.h"

// File, Open and the Presets menu through the real window, the dialog scripted, each preset item with its
// file in the window's data folder.
class TestInputCommands : public AppTest {
    Q_OBJECT
private slots:
    void openReadsTheChosenConfigAndOffersItNextTime()
    {
        // Where the window's lookup finds Steam first.
        const QString game = app->data.filePath(u"Steam/"_s + QString::fromUtf16(GameConfigFolder::inLibrary));
        QVERIFY(QDir().mkpath(game));
        qputenv("XDG_DATA_HOME", QFile::encodeName(app->data.filePath({})));
        const QString config = app->writeData(u"mine.cfg"_s, "cl_showfps 1\nfov 90\nmat_dxlevel 81\nrate 2e6\n");
        app->prompts.files << config;
        app->trigger(MenuItem::Open);
        // One box tells what the window cannot show; the whole Open is one step to undo.
        QCOMPARE(app->prompts.said().takeLast(),
                 u"Open a config: 4 settings were read from %1. The window cannot show these values from the file, "
                 u"and shows instead:\n\nrate 2e6: 25000\n\nSaving over the file with Update keeps these values, "
                 u"unless you set them in this window."_s.arg(QDir::toNativeSeparators(config)));
        QCOMPARE(app->window()->action(MenuItem::Undo)->text(), u"&Undo Open mine.cfg"_s);
        app->prompts.shown.removeLast();
        app->trigger(MenuItem::Open); // cancelled: nothing changes, nothing is said
        app->trigger(MenuItem::Save); // cancelled
        QCOMPARE(app->changed(), u"cl_showfps=On mat_dxlevel=81 fov=90"_s);

        // Both config dialogs start in the game's folder until a file has been chosen in them or the window
        // has a file, which Save then offers.
        QStringList asked;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown)
            asked << shown.title + u'|' + shown.request.fileName + u'|' + shown.request.startFolder;
        const QString gameFolder = QFileInfo(game).canonicalFilePath();
        QCOMPARE(asked, (QStringList{u"Open a config||"_s + gameFolder, u"Open a config|"_s + config + u'|',
                                     u"Save the config|"_s + config + u'|'}));
    }

    void eachItemAppliesItsOwnFileOrTellsWhyNot()
    {
        app->writeData(u"hfps.cst"_s, "3");
        app->trigger(MenuItem::HighFps);
        const QString applied = u"cl_phys_props_enable=Off"_s;
        QVERIFY(app->prompts.shown.isEmpty() && app->changed() == applied);
        // A fault in a later item keeps the earlier ones from being applied; it is told in the preset file's words.
        const QString fault = std::get<PresetFile::Problem>(PresetFile::parse("1,2")).text;
        QStringList captions{u"High Quality"_s, u"Default"_s, u"High FPS"_s, u"Die Hard FPS"_s};
        for (const MenuItem item :
             {MenuItem::HighQuality, MenuItem::DefaultPreset, MenuItem::HighFps, MenuItem::DieHardFps}) {
            // Files are named after their items.
            const QString path = app->writeData(app->window()->action(item)->objectName() + u".cst"_s, "1,2");
            app->prompts.shown.clear();
            app->trigger(item);
            QCOMPARE(app->prompts.said(), QStringList{captions.takeFirst()
                                                      + u": The preset file %1 was not applied.\n%2"_s.arg(
                                                          QDir::toNativeSeparators(path), fault)});
            QCOMPARE(app->changed(), applied);
        }
    }
};

QTEST_MAIN(TestInputCommands)
#include "test_inputcommands.moc"
