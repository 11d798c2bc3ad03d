#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// The program's life: each main window greets the user as it is created, New replaces it, and a
// confirmed close ends the program.
class TestAppController : public AppTest {
    Q_OBJECT
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
};

QTEST_MAIN(TestAppController)
#include "test_appcontroller.moc"
