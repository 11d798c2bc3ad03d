#include "core/input/GameConfigFolder.h"
#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// File, Open through the real window, the dialog scripted.
class TestOpenCommand : public AppTest {
    Q_OBJECT
private slots:
    void openReadsTheChosenConfigAndOffersItNextTime()
    {
        // Where the window's lookup finds Steam first.
        const QString game = app->data.filePath(u"Steam/"_s + QString::fromUtf16(GameConfigFolder::inLibrary));
        QVERIFY(QDir().mkpath(game));
        qputenv("XDG_DATA_HOME", QFile::encodeName(app->data.filePath({})));
        const QString config = app->writeData(u"mine.cfg"_s, "cl_showfps 1\nfov 90\nmat_dxlevel 81\nrate 1e6\n");
        app->prompts.files << config;
        app->trigger(u"open"_s);
        // One box tells what the window cannot show; the whole Open is one step to undo.
        QCOMPARE(app->prompts.said().takeLast().section(u'\n', 0, 0),
                 u"Open a config: 4 settings were read from %1. The window cannot show these values from the file, "
                 u"and shows instead:"_s.arg(QDir::toNativeSeparators(config)));
        QCOMPARE(app->window()->menuAction(u"undo"_s)->text(), u"&Undo Open mine.cfg"_s);
        app->prompts.shown.removeLast();
        app->trigger(u"open"_s); // cancelled: nothing changes, nothing is said
        app->trigger(u"inst"_s); // cancelled
        QCOMPARE(app->changed(), u"cl_showfps=On mat_dxlevel=81 fov=90"_s);
        QVERIFY(app->control<QAbstractButton>(u"Option1_33"_s)->isChecked());

        // Both config dialogs start in the game's folder until a file has been chosen in them; Save
        // offers the program's own name.
        QStringList asked;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown)
            asked << shown.title + u'|' + shown.request.fileName + u'|' + shown.request.startFolder;
        const QString gameFolder = QFileInfo(game).canonicalFilePath();
        QCOMPARE(asked, (QStringList{u"Open a config||"_s + gameFolder, u"Open a config|"_s + config + u'|',
                                     u"Save the config|tunewick.cfg|"_s + gameFolder}));
    }
};

QTEST_MAIN(TestOpenCommand)
#include "test_opencommand.moc"
