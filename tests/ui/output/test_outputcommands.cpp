#include "core/output/ConfigText.h"
#include "core/output/ConfigUpdate.h"
#include "support/AppFixture.h"
#include "support/Files.h"

// Options, Preview and File, Save through the real window, the dialog and boxes scripted.
class TestOutputCommands : public AppTest {
    Q_OBJECT

    static QWidget *preview() { return AppFixture::shownWindows(u"preview"_s).value(0); }
    static QPlainTextEdit *text() { return preview()->findChild<QPlainTextEdit *>(u"txtprv"_s); }
    QLabel *infoLabel() const { return app->control<QLabel>(u"infolbl"_s); }
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
                 QStringList{u"Save the config: The config could not be saved to %1:\n%2"_s.arg(
                     QDir::toNativeSeparators(missing), missingText(missing))});
        // As typed, no suffix added.
        QCOMPARE(fileBytes(path), composeFileText(settingLinesSetInWindow(app->window()->choices().value())));
    }

    // The window stands for the file last opened or saved: the title names it and marks unsaved changes,
    // Save offers it, and saving over it writes only what changed since, whatever another program did to
    // the file meanwhile; nothing, when nothing changed. Values read from a file opened before stay out.
    void savingOverTheWindowsFileWritesOnlyWhatChanged()
    {
        const QString a = app->writeData(u"A.cfg"_s, "fps_max 150\r\ncl_showfps 1\r\n");
        const QByteArray bytes = "fps_max 0 // uncapped\r\nrate 100000\r\nbind x y\r\ncl_cmdrate \"66\"\r\n";
        const QString b = app->writeData(u"B.cfg"_s, bytes);
        app->prompts.files << a << b << b;
        app->trigger(MenuItem::Open);
        app->trigger(MenuItem::Open);
        app->prompts.shown.clear(); // the second Open's report
        QCOMPARE(app->window()->windowTitle(), u"B.cfg[*] - Tunewick 1.5"_s);
        app->trigger(MenuItem::Save); // the dialog alone, offering B
        QVERIFY(fileBytes(b) == bytes && app->prompts.shown.size() == 1 && app->prompts.shown[0].request.fileName == b);
        QCOMPARE(infoLabel()->text(), u"B.cfg already holds these values; nothing was written."_s);

        app->control<QSlider>(u"Slider_13"_s)->setValue(90);
        QVERIFY(app->window()->isWindowModified());
        app->trigger(MenuItem::Open); // unsaved changes: Cancel
        QVERIFY(writeFile(b, QByteArray(bytes).replace("66", "50")));
        app->prompts.files << b;
        app->prompts.choices << 0;
        app->trigger(MenuItem::Save);
        QCOMPARE(app->prompts.said()[1], u"Open a config: B.cfg has changes that are not saved. Save them first?"_s);
        QVERIFY(
            app->prompts.shown.last().text.contains(u"Update keeps the file and changes 1 setting: fov (added) 90."_s));
        QCOMPARE(app->prompts.shown.last().details, u"+ fov 90"_s);
        QCOMPARE(fileBytes(b), QByteArray(bytes).replace("66", "50") + "fov 90\r\n");
        QVERIFY(!app->window()->isWindowModified());
        QCOMPARE(infoLabel()->text(), u"Saved B.cfg."_s);
    }

    // A save over a file keeps a copy of it first, or asks to go on without one. Restore Backup lists the
    // copies, newest first, writes the chosen one back and opens the file as one step, whose Undo changes
    // the window, not the file.
    void restoreBackupBringsBackACopy()
    {
        const QByteArray original = "fov 100\r\nbind x y\r\n";
        const QString path = app->writeData(u"mine.cfg"_s, original);
        const QString blocked = app->writeData(u"state"_s, "a file where the backups folder would go");
        app->click(u"Option1_33"_s);
        app->prompts.files << path << path << path;
        app->prompts.choices << 1 << 1 << 1 << 0; // Replace; no backup: Cancel; Replace, Update
        app->trigger(MenuItem::Save);
        QVERIFY(app->prompts.said().last().startsWith(
            u"Save the config: No backup of %1 could be made: the folder "_s.arg(QDir::toNativeSeparators(path))));
        QVERIFY(fileBytes(path) == original && !app->window()->action(MenuItem::RestoreBackup)->isEnabled());
        QVERIFY(QFile::remove(blocked));
        app->trigger(MenuItem::Save);
        const QByteArray replaced = fileBytes(path);
        app->click(u"Option0_33"_s);
        app->trigger(MenuItem::Save);
        QVERIFY(app->window()->action(MenuItem::RestoreBackup)->isEnabled());

        app->prompts.listed << 1;
        app->trigger(MenuItem::RestoreBackup);
        const QStringList listed = app->prompts.shown.last().text.split(u'\n');
        QVERIFY(app->prompts.shown.last().title == u"Restore Backup"_s && listed.size() == 2);
        const QRegularExpression line(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  (\\d+) bytes( \\(first\\))?$"_s);
        QCOMPARE(line.match(listed[0]).captured(1) + line.match(listed[0]).captured(2),
                 QString::number(replaced.size()));
        QCOMPARE(line.match(listed[1]).captured(1) + line.match(listed[1]).captured(2),
                 QString::number(original.size()) + u" (first)"_s);
        QCOMPARE(fileBytes(path), original);
        QCOMPARE(app->changed(), u"cl_showfps=Off fov=100"_s);
        QCOMPARE(infoLabel()->text(), u"Restored mine.cfg from %1."_s.arg(listed[1].left(19)));
        QCOMPARE(app->window()->action(MenuItem::Undo)->text(), u"&Undo Restore mine.cfg"_s);
        app->trigger(MenuItem::Undo);
        QVERIFY(fileBytes(path) == original && app->changed() == u"cl_showfps=Off"_s);
    }

    // Update is offered only for a file it can update, and only when it would change something; the question
    // lists what it changes, and its details the lines. The default answer is the one that loses nothing.
    // Update keeps the file and changes what was set, Replace writes the choices alone, Cancel keeps the
    // file as it was.
    void anExistingFileIsUpdatedReplacedOrKept_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QString>("set"); // "click", "preset" or nothing
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("typed"); // with the .cfg filter selected
        QTest::addColumn<QString>("said");  // the question's second paragraph, or its opening
        const QByteArray config = "echo an older config\r\nfov 80\r\n";
        const QString two = u"Update keeps the file and changes 2 settings: fov 80 \u2192 90, cl_showfps (added) 1."_s;
        QTest::newRow("a preset, more than ten changes, Cancel")
            << config << u"preset"_s << 2 << u"mytweaks.cfg"_s
            << u"Update keeps the file and changes 40 settings: fov 80 \u2192 90, cl_phys_props_enable (added) 0, "
               u"cl_ragdoll_physics_enable (added) 0, cl_show_splashes (added) 0, cl_smooth (added) 1, "
               u"cl_c4dynamiclight (added) 0, cl_ejectbrass (added) 0, cl_ragdoll_collide (added) 0, "
               u"cl_show_bloodspray (added) 1, fog_enable (added) 1 and 30 more."_s;
        QTest::newRow("nothing set, Replace")
            << config << QString() << 0 << u"mytweaks.cfg"_s
            << u"Update would change nothing: the file already holds every value set in this window."_s;
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
        const bool updatable = said.startsWith(u"Update keeps"_s);
        QCOMPARE(asked.answers.join(u' ') + u'/' + QString::number(asked.defaultAnswer),
                 updatable ? u"Update Replace Cancel/0"_s : u"Replace Cancel/1"_s);
        const QList<SettingLine> written = settingLinesSetInWindow(app->window()->choices().value());
        const QString chosen = asked.answers.value(answer);
        QCOMPARE(fileBytes(target), chosen == u"Update"_s    ? ConfigUpdate::update(existing, written).bytes
                                    : chosen == u"Replace"_s ? composeFileText(written)
                                                             : existing);
    }

    // In the game's folder, config.cfg and a new file of another name (one with a blank and no .cfg) are
    // explained first, and may go to autoexec.cfg instead, with the usual question once that exists.
    void savesInTheGameFolderAreToldWhichFilesTheGameRuns()
    {
        const QString folder = app->data.filePath(u"cstrike/cfg/"_s);
        const QString config = app->writeData(u"cstrike/cfg/config.cfg"_s, "fov 80\r\ncl_showfps 0\r\n");
        app->prompts.files << config << config << folder + u"tunewick.cfg"_s << folder + u"x y.c"_s;
        app->prompts.choices << 0 << 0 << 2 << 1; // to autoexec.cfg twice, Cancel the Update question, Save as
        app->trigger(MenuItem::Open);
        app->click(u"Option1_33"_s);
        app->trigger(MenuItem::Save); // from config.cfg, autoexec.cfg takes only what changed
        app->click(u"Option0_33"_s);
        app->trigger(MenuItem::Save);
        app->trigger(MenuItem::Save);

        QStringList asked;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown) {
            if (!shown.answers.isEmpty())
                asked << shown.text.section(u'\n', 0, 0) + u" ["_s + shown.answers.join(u'|') + u']';
        }
        const QString autoexec = QDir::toNativeSeparators(folder + u"autoexec.cfg"_s);
        const QString notRunByItself = u"The game runs autoexec.cfg by itself at every start. It runs %1 only when "
                                       u"\"exec %2\" is typed in the console, written into a config the game runs, "
                                       u"or given as the launch option +exec %2.%3 [Save to autoexec.cfg|Save as %1|"
                                       u"Cancel]"_s;
        const QString onlyCfg = u" exec runs only names that end in .cfg."_s;
        const QStringList told{u"The game rewrites config.cfg from its own settings when it quits, so settings saved "
                               u"there may not last. It runs autoexec.cfg by itself at every start, after config.cfg. "
                               u"[Save to autoexec.cfg|Save to config.cfg|Cancel]"_s,
                               notRunByItself.arg(u"tunewick.cfg"_s, u"tunewick.cfg"_s, QString()),
                               autoexec + u" already exists. [Update|Replace|Cancel]"_s,
                               notRunByItself.arg(u"x y.c"_s, u"\"x y.c\""_s, onlyCfg)};
        QCOMPARE(asked, told);
        QCOMPARE(fileBytes(folder + u"autoexec.cfg"_s), composeFileText({{named("cl_showfps"), "1"}}));
        QCOMPARE(fileBytes(folder + u"x y.c"_s),
                 composeFileText(settingLinesSetInWindow(app->window()->choices().value())));
        QVERIFY(fileBytes(config) == "fov 80\r\ncl_showfps 0\r\n" && !QFile::exists(folder + u"tunewick.cfg"_s));
    }
};

QTEST_MAIN(TestOutputCommands)
#include "test_outputcommands.moc"
