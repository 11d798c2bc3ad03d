#include "core/app/BuildInfo.h"
#include "core/catalogue/RowActions.h"
#include "core/catalogue/StartupData.h"
#include "support/AppFixture.h"
#include "support/LocalHttpServer.h"
#include "ui/app/SplashWindow.h"
#include "ui/update/UpdateCommand.h"
#include "ui/widgets/Twips.h"

// The real main window: its row actions, menu items, shortcuts, display fonts and the about window; and the
// program's life: each main window greets the user as it is created, New replaces it, a confirmed close
// ends the program, and commands repeated many times in one process leave no windows or objects behind.
// The splash window, on its own.
class TestMainWindow : public AppTest {
    Q_OBJECT
    using enum MainWindow::MenuItem;

    QLabel *infoLabel() const { return app->control<QLabel>(u"infolbl"_s); }
    QFont fontOf(const QString &control) const { return app->control<QWidget>(control)->font(); }
    // What a screen reader reads as the control's description.
    QString heard(QWidget *w) const { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); }

    // What the program holds: its top-level widgets, their platform windows and every object under them.
    static QList<qsizetype> census(const QObject &controller)
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QWidgetList topLevel = QApplication::topLevelWidgets();
        qsizetype objects = qApp->findChildren<QObject *>().size() + controller.findChildren<QObject *>().size();
        for (const QWidget *widget : topLevel) // menus are top-level too but belong to the main window
            objects += widget->parent() ? 0 : 1 + widget->findChildren<QObject *>().size();
        return {topLevel.size(), QGuiApplication::allWindows().size(), objects};
    }

    // New is answered Yes twice; the windows Preview and About open are closed as their button does.
    void run(MenuItem command)
    {
        if (command == New)
            app->prompts.yesNo << true << true;
        app->trigger(command);
        for (QWidget *shown : AppFixture::shownWindows())
            if (auto *close =
                    shown->findChild<QPushButton *>(shown->objectName() == u"preview"_s ? u"close"_s : u"cmdOK"_s))
                QTest::mouseClick(close, Qt::LeftButton);
    }

private slots:
    // A name given the focus from the keyboard is framed. Hiding the Status Bar takes its height off the
    // window, which keeps its place.
    void nameLabelsAreFramedAndTheStatusBarHides()
    {
        QWidget *name = app->control<QWidget>(u"cmd_0"_s), *other = app->control<QWidget>(u"cmd_1"_s);
        const QImage unframed = name->grab().toImage(), otherUnframed = other->grab().toImage();
        name->setFocus(Qt::ShortcutFocusReason);
        QVERIFY(name->grab().toImage() != unframed && other->grab().toImage() == otherUnframed);

        const QPoint position = app->window()->pos();
        for (const bool shown : {false, true}) {
            app->trigger(StatusBar);
            QVERIFY(infoLabel()->isVisible() == shown && app->window()->action(StatusBar)->isChecked() == shown);
            QTRY_COMPARE(app->window()->centralWidget()->size(),
                         QSize(Twips::toPixels(6735), Twips::toPixels(shown ? 8415 : 8415 - 975)));
            QCOMPARE(app->window()->pos(), position);
        }
    }

    // Each shortcut triggers its item; Quit is the platform's key where it has one. One about window at a
    // time, beside which the main window still takes input; Enter closes it.
    void shortcutsAndTheAboutWindow()
    {
        const QKeySequence quit = QKeySequence::keyBindings(QKeySequence::Quit).value(0, QKeySequence(u"Ctrl+Q"_s));
        QList<QKeySequence> keys{QKeySequence::New, QKeySequence::Open, QKeySequence::Save, quit, u"Ctrl+Shift+P"_s};
        for (const MenuItem item : {New, Open, Save, Exit, Preview}) {
            QSignalSpy triggered(app->window()->action(item), &QAction::triggered);
            QTest::keySequence(app->window(), keys.takeFirst());
            QVERIFY2(triggered.size() == 1, QMetaEnum::fromType<MenuItem>().valueToKey(int(item)));
        }

        app->trigger(About);
        app->trigger(About);
        QCOMPARE(AppFixture::shownWindows(u"aboutfr"_s).size(), 1);
        QPointer<QWidget> about = AppFixture::shownWindows(u"aboutfr"_s)[0];
        QCOMPARE(about->findChild<QLabel *>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
        app->click(u"cmd_33"_s);
        QCOMPARE(infoLabel()->text(), RowActions::descriptionText(app->window()->tables(), named("cl_showfps")));
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTest::keyClick(about, Qt::Key_Return); // Esc rejects any dialog, which is Qt's own doing
        QTRY_VERIFY(!about);
    }

    // The Edit menu, after File, takes back and does again whole steps by their names and the platform's
    // keys; a click that changes nothing is no step.
    void editMenuUndoesAndRedoesWholeSteps()
    {
        const QList<QAction *> menus = app->window()->menuBar()->actions();
        QCOMPARE(menus[0]->text() + menus[1]->text() + menus[2]->text(), u"&File&Edit&Options"_s);
        QAction *undo = app->window()->action(Undo), *redo = app->window()->action(Redo);
        QVERIFY(!undo->isEnabled() && undo->text() == u"&Undo"_s);

        app->click(u"Option1_33"_s);
        app->click(u"Option1_33"_s);
        const QString clicked = app->changed();
        app->trigger(HighFps);
        const QString preset = app->changed();
        QCOMPARE(undo->text(), u"&Undo High FPS preset"_s);
        QTest::keySequence(app->window(), QKeySequence::Undo);
        QCOMPARE(app->changed(), clicked);
        QCOMPARE(undo->text() + u'|' + redo->text(), u"&Undo cl_showfps On|&Redo High FPS preset"_s);
        undo->trigger();
        QVERIFY(app->changed().isEmpty() && !undo->isEnabled());
        QTest::keySequence(app->window(), QKeySequence::Redo);
        QTest::keySequence(app->window(), QKeySequence::Redo);
        QCOMPARE(app->changed(), preset);
        QVERIFY(!redo->isEnabled());
    }

    // Each face after another one, and chosen twice: it reaches exactly the texts that follow the display
    // font, at their size; the others keep their own face (two of each kind of control show the wiring).
    // In each face, every name label activated from the keyboard (by Space, Return and Enter in turn) shows
    // its own shipped description, which screen readers hear from the name and from the Status Bar, and
    // which fits the Status Bar whole, word-wrapped; the labels are found by their names, as the data, not
    // the code, decides what they show.
    void fontItemsChangeExactlyTheirControls()
    {
        const QStringList following{u"infolbl"_s, u"choice_0"_s, u"cmd_103"_s, u"default_0"_s};
        const QStringList kept{u"Label1"_s, u"dxbutton"_s, u"Slider_0"_s, u"SliderValue_0"_s, u"Option0_0"_s};
        const auto names = app->window()->findChildren<QLabel *>(QRegularExpression(u"^(cmd_\\d+|dxcmd)$"_s));
        QVERIFY(names.size() == 52 && infoLabel()->wordWrap()); // one per description slot
        for (const auto &[item, face, key] :
             QList<std::tuple<MenuItem, QString, Qt::Key>>{{FontTimes, u"Times New Roman"_s, Qt::Key_Space},
                                                           {FontCourier, u"Courier New"_s, Qt::Key_Return},
                                                           {FontArial, u"Arial"_s, Qt::Key_Enter}}) {
            app->trigger(item);
            app->trigger(item);
            for (const MenuItem other : {FontArial, FontTimes, FontCourier})
                QCOMPARE(app->window()->action(other)->isChecked(), other == item);
            for (const QString &name : following)
                QCOMPARE(fontOf(name).toString().section(u',', 0, 1), face + u",8.25"_s);
            for (const QString &name : kept) // the option boxes were designed in Courier New, the rest in Arial
                QCOMPARE(fontOf(name).family(), name.startsWith(u"Option"_s) ? u"Courier New"_s : u"Arial"_s);
            QVERIFY(fontOf(u"Label1"_s).italic() && app->window()->menuBar()->font().family() == u"Arial"_s);
            for (QLabel *name : names) {
                infoLabel()->clear();
                QTest::keyClick(name, key);
                const QString text = infoLabel()->text();
                QVERIFY2(text.startsWith(u"Command: "_s + name->text() + u"\r\n"_s) && heard(name) == text
                             && heard(infoLabel()) == text,
                         qPrintable(u"%1, %2: %3"_s.arg(face, name->objectName(), text)));
#ifndef Q_OS_WIN // where the offscreen platform finds none of the faces: it reads only Qt's own font folder
                QVERIFY2(infoLabel()->heightForWidth(infoLabel()->width()) <= infoLabel()->height(),
                         qPrintable(u"%1, %2: %3"_s.arg(face, name->objectName(), text)));
#endif
            }
        }
    }

    // The window stays unless both questions are answered Yes. Exit asks too; the close button, answered Yes,
    // ends the program, as after any New that did not replace the window.
    void newAndExitAskFirst()
    {
        QPointer<MainWindow> old = app->window();
        app->prompts.yesNo << false << true << false; // New file? No; New file? Yes, Finished? No
        app->trigger(New);
        app->trigger(New);
        QVERIFY(app->window() == old && old->isVisible() && app->prompts.yesNo.isEmpty());

        app->trigger(Exit); // answered No
        QVERIFY(old->isVisible() && app->programEnds == 0 && app->finish() && app->programEnds == 1);
        QCOMPARE(app->prompts.said(), QStringList(2, u"New file: Are you sure you want to start a new form?\r\n"
                                                     u"        (current setting will not be saved)"_s)
                                          + QStringList(3, u"Finished?: Are you sure you want to exit?"_s));
    }

    // With unsaved changes, Open, New and Exit offer to save them first and ask nothing else: Cancel stops
    // them, Discard goes on, Save goes on once the save completed.
    void unsavedChangesAreOfferedToBeSavedFirst()
    {
        using Answer = UserPrompts::UnsavedAnswer;
        app->click(u"Option1_33"_s);
        app->prompts.unsaved << Answer::Cancel << Answer::Discard << Answer::Save << Answer::Save;
        app->trigger(Open);
        QPointer<MainWindow> old = app->window();
        app->trigger(New);
        QTRY_VERIFY(!old && app->window() && app->changed().isEmpty());
        app->click(u"Option1_33"_s);
        const QString saved = app->data.filePath(u"kept.cfg"_s);
        app->prompts.files << std::nullopt << saved; // the first save is cancelled, and with it the Exit
        app->trigger(Exit);
        QVERIFY(app->window()->isVisible());
        app->trigger(Exit);
        QTRY_VERIFY(!app->window() && app->programEnds == 1);
        QVERIFY(fileBytes(saved).contains("\r\ncl_showfps 1\r\n"));
        const QString unsaved = u"The settings set in this window are not saved. Save them first?"_s;
        QCOMPARE(app->prompts.said().filter(QRegularExpression(u"^(?!Logo)"_s)),
                 (QStringList{u"Open a config: "_s + unsaved, u"New file: "_s + unsaved, u"Finished?: "_s + unsaved,
                              u"Save the config: "_s, u"Finished?: "_s + unsaved, u"Save the config: "_s}));
    }

    // Both answered Yes, a fresh window takes the old one's place and the program goes on. It greets the user
    // as the first one did and tells, after the logo, a problem with the data files it reads afresh; the
    // windows the old one opened go with it. Its "D" buttons work, but the one whose entry is bad.
    void newReplacesTheWindowWithAFreshOne()
    {
        QPointer<MainWindow> old = app->window();
        app->trigger(Preview);
        app->trigger(About);
        QCOMPARE(AppFixture::shownWindows().size(), 3);
        app->writeData(u"sldef.cst"_s,
                       QByteArray("300 200 2048 abc 400 1200 1500 20 20 30 9999 10000 300 90 ").replace(' ', "\r\n"));
        app->prompts.yesNo << true << true;
        app->trigger(New);
        QCOMPARE(app->prompts.said().mid(2), // after the two questions
                 (QStringList{
                     u"Logo: Tunewick still needs a logo, so if you would like to make one, please send it to "_s
                         + QString::fromUtf8(BuildInfo::contactEmail) + u"\r\nThanks! Your help is very appreciated!"_s,
                     u"Data files: "_s
                         + StartupData::problemReport(StartupData::readStartupTables(app->data.path()).problems)}));
        QVERIFY(app->window() && app->window() != old && app->programEnds == 0 && app->prompts.yesNo.isEmpty());
        QTRY_VERIFY(!old && AppFixture::shownWindows().size() == 1 && app->changed().isEmpty());
        QCOMPARE(app->window()->windowTitle() + u'|' + app->control<QLabel>(u"downlabel"_s)->text() + u'|'
                     + infoLabel()->text(),
                 u"Tunewick 1.5|Tunewick 1.5|Command: (cvar name here)\r\nDescription: (description here)"_s);
        app->control<QSlider>(u"Slider_3"_s)->setValue(700);
        app->control<QSlider>(u"Slider_13"_s)->setValue(1);
        for (const QString &button : {u"default_32"_s, u"default_93"_s, u"default_103"_s, u"dxbutton"_s})
            app->click(button);
        QCOMPARE(app->changed(), u"cl_interp=Off r_dispradius=700 fov=90"_s);
    }

    void repeatedCommandLeavesNothingBehind_data()
    {
        QTest::addColumn<MenuItem>("command");
        for (const MenuItem command : {New, Preview, About, HighQuality, DefaultPreset, HighFps, DieHardFps})
            QTest::newRow(QMetaEnum::fromType<MenuItem>().valueToKey(int(command))) << command;
    }
    void repeatedCommandLeavesNothingBehind()
    {
        QFETCH(MenuItem, command);
        const int times = 100;
        // Once first, so that whatever Qt makes on first use and keeps is in the count before.
        run(command);
        const QList<qsizetype> before = census(app->controller);
        const int plays = app->plays;
        for (int i = 0; i < times && !QTest::currentTestFailed(); ++i)
            run(command);
        QCOMPARE(census(app->controller), before);
        QCOMPARE(app->plays - plays, command == New ? times : 0); // each New made a window of its own
    }

    // Its time running out, a click of any button anywhere on it, or a key that types a character hands it
    // over, once: input that still reaches it, and its timer, hand over no more. Other keys leave it up.
    // Closed by the window manager, it ends the program instead of leaving it running unseen.
    void handsOverOnce_data()
    {
        QTest::addColumn<QString>("input"); // a key (a letter types itself), unless "time", "click" or "close"
        QTest::addColumn<int>("handOvers");
        QTest::newRow("time") << u"time"_s << 1;
        QTest::newRow("right click") << u"click"_s << 1;
        QTest::newRow("closed from outside") << u"close"_s << 0;
        QTest::newRow("A") << u"A"_s << 1;
        QTest::newRow("Esc without text") << u"Esc"_s << 1;
        QTest::newRow("Left") << u"Left"_s << 0;
    }
    void handsOverOnce()
    {
        QFETCH(QString, input);
        QFETCH(int, handOvers);
        const int dismissals = input == u"close"_s; // the window manager's close alone dismisses it
        QPointer splash = new SplashWindow;
        const auto remove = qScopeGuard([&splash] { delete splash; });
        QSignalSpy finished(splash, &SplashWindow::finished), dismissed(splash, &SplashWindow::dismissed);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        if (input == u"click"_s)
            QTest::mouseClick(splash->findChild<QWidget *>(u"imgLogo"_s), Qt::RightButton);
        else if (input == u"close"_s)
            splash->close();
        else if (input != u"time"_s)
            QTest::sendKeyEvent(QTest::Press, splash, QKeySequence(input)[0].key(),
                                input.size() == 1 ? input.toLower() : QString(), Qt::NoModifier);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), handOvers, 10000);
        QCOMPARE(dismissed.size(), dismissals);
        if (splash && handOvers) {
            QVERIFY(!splash->isVisible() && !splash->findChild<QTimer *>(u"timer"_s)->isActive());
            QTest::mouseClick(splash, Qt::LeftButton);
            QCOMPARE(finished.size(), 1);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bool(splash), !handOvers && !dismissals); // gone once it ends, else still up
        QVERIFY(!splash || splash->isVisible());
    }

    // The Update item, against a server of the test's own on 127.0.0.1.
    void tellsTheOutcomeInOneBox_data()
    {
        QTest::addColumn<int>("version"); // the current one is 6; none: the page is missing
        QTest::addColumn<QString>("box");
        const QString download = QString::fromUtf8(BuildInfo::downloadPage);
        QTest::newRow("newer") << 7 << u"New version available! Go to %1 to download it now!"_s.arg(download);
        QTest::newRow("current") << 6 << u"You already have the current version!"_s;
        QTest::newRow("failed") << 0 << u"Sorry, there was a problem with getting the version number..."_s;
    }
    // While the check runs the item waits, greyed, with a busy pointer over the window, which stays usable.
    void tellsTheOutcomeInOneBox()
    {
        QFETCH(int, version);
        QFETCH(QString, box);
        LocalHttpServer server(LocalHttpServer::hold());
        app->control<UpdateCommand>(u"updater"_s)->setDocument(server.url());
        app->trigger(Update);
        QTRY_COMPARE(server.requestHeads().size(), 1);
        QVERIFY(!app->window()->action(Update)->isEnabled() && app->window()->cursor().shape() == Qt::BusyCursor);
        QTest::mouseClick(app->control<QAbstractButton>(u"Option1_7"_s), Qt::LeftButton);
        QVERIFY(app->control<QAbstractButton>(u"Option1_7"_s)->isChecked());

        // A missing page's body, however new the number in it, is no answer.
        server.answerHeld(version ? "200 OK" : "404 Not Found", QByteArray::number(version ? version : 7));
        QTRY_VERIFY(!app->prompts.shown.isEmpty());
        QTest::qWait(10); // room for a second box
        QCOMPARE(app->prompts.said(), QStringList{u"Updater: "_s + box});
        QVERIFY(app->window()->action(Update)->isEnabled() && app->window()->cursor().shape() == Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
