#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
#include "support/AppFixture.h"
#include "support/Files.h"

// Options, Preview and File, Save through the real window, the dialog and boxes scripted.
class TestOutputCommands : public AppTest {
    Q_OBJECT

    static QWidget *preview() { return AppFixture::shownWindows(u"preview"_s).value(0); }
    static QPlainTextEdit *text() { return preview()->findChild<QPlainTextEdit *>(u"txtprv"_s); }
    static QString showfpsLine() { return text()->toPlainText().split(u'\n').filter(u"cl_showfps "_s).value(0); }

private slots:
    // Each Preview shows the current choices, in the window already open, over what was typed there;
    // Escape closes the window (its button closes it in the main window's test of repeated commands).
    void previewShowsTheCurrentChoicesAndEscapeClosesIt()
    {
        app->trigger(MenuItem::Preview);
        QWidget *first = preview();
        QVERIFY(first && QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), first->findChild<QPushButton *>(u"close"_s));
        QCOMPARE(showfpsLine(), u"cl_showfps "_s + app->window()->tables().defval[size_t(named("cl_showfps").place())]);
        text()->appendPlainText(u"typed by the user"_s);

        app->click(u"Option1_33"_s);
        app->trigger(MenuItem::Preview);
        QCOMPARE(preview(), first);
        QCOMPARE(showfpsLine(), u"cl_showfps 1"_s);
        QVERIFY(!text()->toPlainText().contains(u"typed by the user"_s));
        QCOMPARE(text()->textCursor().position(), 0);

        QTest::keyClick(first->findChild<QPushButton *>(u"close"_s), Qt::Key_Escape);
        QTRY_VERIFY(!preview());
    }

    // Success and a cancelled dialog say nothing; a failure names the file and the reason. With "All
    // Files" selected the name is kept as typed.
    void saveWritesTheChoicesUnderTheNameAsTypedOrTellsWhyNot()
    {
        app->trigger(MenuItem::Preview); // the preview's values are older than the choices: Save must write the choices
        app->click(u"Option1_33"_s);
        const QString path = app->data.filePath(u"myconfig"_s), missing = app->data.filePath(u"missing/tunewick.cfg"_s);
        app->prompts.files << path << std::nullopt << missing;
        app->prompts.saveFilters << 0;
        for (int save = 0; save < 3; ++save)
            app->trigger(MenuItem::Save);
        QCOMPARE(app->prompts.shown[1].request.fileName, path); // offered next time
        QCOMPARE(app->prompts.said().mid(3),
                 QStringList{u"Save the config: The config could not be saved to %1:\nNo "
                             u"such file or directory"_s.arg(QDir::toNativeSeparators(missing))});
        QCOMPARE(fileBytes(path), composeFileText(app->window()->choices().value())); // as typed, no suffix added
    }

    // Update is offered only for a file it can update, and only when something was set in this window;
    // the question names what it writes. The default answer is the one that loses nothing. Update keeps the
    // file and changes what was set, Replace writes the choices alone, Cancel keeps the file as it was.
    void anExistingFileIsUpdatedReplacedOrKept_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QString>("set"); // "click", "preset" or nothing
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("typed"); // with the .cfg filter selected
        QTest::addColumn<QString>("said");  // the question's second paragraph, or its opening
        const QByteArray config = "echo an older config\r\n";
        const QString two = u"Update keeps the file and writes only the 2 settings you set in this window: "
                            u"cl_showfps, fov."_s;
        QTest::newRow("a preset, more than ten names, Cancel")
            << config << u"preset"_s << 2 << u"mytweaks.cfg"_s
            << u"Update keeps the file and writes only the 51 settings you set in this window: "
               u"cl_phys_props_enable, cl_ragdoll_physics_enable, cl_show_splashes, cl_smooth, cl_c4dynamiclight, "
               u"cl_ejectbrass, cl_ragdoll_collide, cl_show_bloodspray, fog_enable, fog_enable_water_fog and 41 more."_s;
        QTest::newRow("nothing set, Replace") << config << QString() << 0 << u"mytweaks.cfg"_s
                                              << u"Nothing was set in this window, so Update would change nothing."_s;
        QTest::newRow("binary file, Cancel")
            << "fov\0"_ba << u"click"_s << 1 << u"mytweaks.cfg"_s << u"cannot be updated: it holds binary data."_s;
        QTest::newRow("typed without .cfg, Update") << config << u"click"_s << 0 << u"mytweaks"_s << two;
        QTest::newRow("typed with a final dot, Replace") << config << u"click"_s << 1 << u"mytweaks."_s << two;
    }
    void anExistingFileIsUpdatedReplacedOrKept()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QString, set);
        QFETCH(int, answer);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        if (set == u"click"_s) {
            app->click(u"Option1_33"_s);
            app->control<QSlider>(u"Slider_13"_s)->setValue(90);
        } else if (set == u"preset"_s) {
            app->trigger(MenuItem::HighFps);
        }
        const QString target = app->writeData(u"mytweaks.cfg"_s, existing);
        app->prompts.files << app->data.filePath(typed);
        app->prompts.choices << answer;
        app->trigger(MenuItem::Save);

        const ScriptedPrompts::Shown &asked = app->prompts.shown.last();
        QVERIFY(app->prompts.shown.size() == 2 && asked.title == u"Save the config"_s
                && asked.text.startsWith(QDir::toNativeSeparators(target) + u" already exists"_s));
        QVERIFY2(asked.text.contains(said), qPrintable(asked.text));
        const bool updatable = said.startsWith(u"Update"_s);
        QCOMPARE(asked.answers.join(u' ') + u'/' + QString::number(asked.defaultAnswer),
                 updatable ? u"Update Replace Cancel/0"_s : u"Replace Cancel/1"_s);
        const Choices &choices = app->window()->choices().value();
        const QString chosen = asked.answers.value(answer);
        QCOMPARE(fileBytes(target), chosen == u"Update"_s    ? ConfigUpdate::updateText(existing, choices)
                                    : chosen == u"Replace"_s ? composeFileText(choices)
                                                             : existing);
    }

    // In the game's folder, config.cfg and a new file of another name are explained first, and may go to
    // autoexec.cfg instead, with the usual question once that exists.
    void savesInTheGameFolderAreToldWhichFilesTheGameRuns()
    {
        const QString folder = app->data.filePath(u"cstrike/cfg/"_s);
        QVERIFY(QDir().mkpath(folder));
        app->click(u"Option1_33"_s);
        app->prompts.files << folder + u"config.cfg"_s << folder + u"tunewick.cfg"_s << folder + u"mine.cfg"_s;
        app->prompts.choices << 0 << 0 << 2 << 1; // to autoexec.cfg twice, Cancel the Update question, Save as
        for (int save = 0; save < 3; ++save)
            app->trigger(MenuItem::Save);

        QStringList asked;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown) {
            if (!shown.answers.isEmpty())
                asked << shown.text.section(u'\n', 0, 0) + u" ["_s + shown.answers.join(u'|') + u']';
        }
        const QString autoexec = QDir::toNativeSeparators(folder + u"autoexec.cfg"_s);
        const QString notRunByItself = u"The game runs autoexec.cfg by itself, and runs %1 only when \"exec %1\" is "
                                       u"typed in the console or written into a config the game runs. "
                                       u"[Save to autoexec.cfg|Save as %1|Cancel]"_s;
        QCOMPARE(
            asked,
            (QStringList{u"The game rewrites config.cfg from its own settings when it quits, so settings saved "
                         u"there may not last. It runs autoexec.cfg by itself at every start, after config.cfg. "
                         u"[Save to autoexec.cfg|Save to config.cfg|Cancel]"_s,
                         notRunByItself.arg(u"tunewick.cfg"_s),
                         autoexec + u" already exists. [Update|Replace|Cancel]"_s, notRunByItself.arg(u"mine.cfg"_s)}));
        const QByteArray composed = composeFileText(app->window()->choices().value());
        QCOMPARE(fileBytes(folder + u"autoexec.cfg"_s), composed);
        QCOMPARE(fileBytes(folder + u"mine.cfg"_s), composed);
        QVERIFY(!QFile::exists(folder + u"config.cfg"_s) && !QFile::exists(folder + u"tunewick.cfg"_s));
    }
};

QTEST_MAIN(TestOutputCommands)
#include "test_outputcommands.moc"
