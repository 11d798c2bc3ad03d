#include "core/input/GameConfigFolder.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

// File, Open through the real window, the dialog scripted.
class TestOpenCommand : public AppTest {
    Q_OBJECT
private slots:
    void openMergesTheChosenConfigAndOffersItNextTime()
    {
        // Where the window's lookup finds Steam first.
        const QString game = app->dataPath(u"Steam/"_s + QString::fromUtf16(GameConfigFolder::inLibrary));
        QVERIFY(QDir().mkpath(game));
        qputenv("XDG_DATA_HOME", QFile::encodeName(app->dataPath({})));
        RowAccess &rows = app->window()->rows();
        rows.select(0, RowState::Off);
        rows.select(20, RowState::On);
        rows.selectDx(1);
        const QString config = app->writeData(u"mine.cfg"_s, "cl_showfps 1\nfov 90\nmat_dxlevel 81\n");
        app->prompts.answerFile(config);
        app->trigger(u"open"_s);
        app->trigger(u"open"_s); // cancelled: nothing changes, nothing is said
        app->trigger(u"inst"_s); // cancelled
        QCOMPARE(changedRows(rows).join(u' '),
                 u"cl_phys_props_enable=Off mat_vsync=On cl_showfps=On fov=90 mat_dxlevel=81"_s);

        // Both config dialogs start in the game's folder until a file has been chosen in them.
        QStringList asked;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown()) {
            const FileDialogRequest &dialog = shown.request;
            asked << QStringList{dialog.title, dialog.filters.join(u';'), QString::number(dialog.selectedFilter),
                                 dialog.fileName, dialog.startFolder}
                         .join(u'|');
        }
        const QString filters = u"|All Files (*.*);.cfg Files (*.cfg)|1|"_s;
        const QString gameFolder = QFileInfo(game).canonicalFilePath();
        QCOMPARE(asked, (QStringList{u"Open a config"_s + filters + u'|' + gameFolder,
                                     u"Open a config"_s + filters + config + u'|',
                                     u"Save the config"_s + filters + u"tunewick.cfg|"_s + gameFolder}));
    }
};

QTEST_MAIN(TestOpenCommand)
#include "test_opencommand.moc"
