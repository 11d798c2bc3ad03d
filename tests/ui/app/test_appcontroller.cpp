#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// The program's life: each main window greets the user as it is created, New replaces it, and a
// confirmed close ends the program. Commands repeated many times in one process leave no windows or
// objects behind.
class TestAppController : public AppTest {
    Q_OBJECT

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
    void run(const QString &command)
    {
        if (command == u"new"_s)
            app->prompts.yesNo << true << true;
        app->trigger(command);
        for (QWidget *shown : AppFixture::shownWindows())
            if (auto *close =
                    shown->findChild<QPushButton *>(shown->objectName() == u"preview"_s ? u"close"_s : u"cmdOK"_s))
                QTest::mouseClick(close, Qt::LeftButton);
    }

private slots:
    // The window stays unless both questions are answered Yes; then a fresh one takes its place, greeting
    // the user as the first one did, and the windows the old one opened go with it. Exit asks too; the
    // close button, answered Yes, ends the program.
    void newReplacesTheWindowAndCloseEndsTheProgram()
    {
        QPointer<MainWindow> old = app->window();
        app->click(u"Option1_3"_s);
        app->prompts.yesNo << false << true << false; // New file? No; New file? Yes, Finished? No
        app->trigger(u"new"_s);
        app->trigger(u"new"_s);
        QVERIFY(app->window() == old && old->isVisible() && app->prompts.yesNo.isEmpty());
        QCOMPARE(app->changed(), u"cl_smooth=On"_s);

        app->trigger(u"prv"_s);
        app->trigger(u"about"_s);
        QCOMPARE(AppFixture::shownWindows().size(), 3);
        app->prompts.yesNo << true << true;
        app->trigger(u"new"_s);
        QCOMPARE(
            app->prompts.said().mid(3),
            (QStringList{u"New file: Are you sure you want to start a new form?\r\n"
                         u"        (current setting will not be saved)"_s,
                         u"Finished?: Are you sure you want to exit?"_s,
                         u"Logo: Tunewick still needs a logo, so if you would like to make one, please send it to "_s
                             + QString::fromUtf8(BuildInfo::contactEmail)
                             + u"\r\nThanks! Your help is very appreciated!"_s}));
        QCOMPARE(app->plays, 2);
        MainWindow *fresh = app->window();
        QVERIFY(fresh && fresh != old);
        QTRY_VERIFY(!old);
        QTRY_COMPARE(AppFixture::shownWindows().size(), 1);
        QCOMPARE(app->changed(), QString());
        QCOMPARE(fresh->windowTitle() + u'|' + app->control<QLabel>(u"downlabel"_s)->text() + u'|'
                     + app->control<QLabel>(u"infolbl"_s)->text(),
                 u"Tunewick 1.5|Tunewick 1.5|Command: (cvar name here)\r\nDescription: (description here)"_s);

        app->trigger(u"exit"_s); // answered No
        QVERIFY(fresh->isVisible() && app->programEnds == 0);
        QVERIFY(app->finish() && app->programEnds == 1);
        QCOMPARE(app->prompts.said().mid(6), QStringList(2, u"Finished?: Are you sure you want to exit?"_s));
    }

    void repeatedCommandLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString &command : {u"new"_s, u"prv"_s, u"about"_s, u"highq"_s, u"defq"_s, u"hfps"_s, u"dhfps"_s})
            QTest::newRow(qPrintable(command)) << command;
    }
    void repeatedCommandLeavesNothingBehind()
    {
        QFETCH(QString, command);
        const int times = 100;
        // Once first, so that whatever Qt makes on first use and keeps is in the count before.
        run(command);
        const QList<qsizetype> before = census(app->controller);
        const int plays = app->plays;
        for (int i = 0; i < times && !QTest::currentTestFailed(); ++i)
            run(command);
        QCOMPARE(census(app->controller), before);
        QCOMPARE(app->plays - plays, command == u"new"_s ? times : 0); // each New made a window of its own
    }
};

QTEST_MAIN(TestAppController)
#include "test_appcontroller.moc"
