#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"

using namespace Qt::StringLiterals;

// The program's life: each main window greets the user as it is created, New replaces it, and a
// confirmed close ends the program.
class TestAppController : public AppTest {
    Q_OBJECT
private slots:
    // The window stays unless both questions are answered Yes; then a fresh one takes its place, greeting
    // the user as the first one did, and the windows the old one opened go with it.
    void newAsksTwiceThenReplacesTheWindow()
    {
        QPointer<MainWindow> old = app->window();
        old->rows().select(3, RowState::On);
        app->prompts.yesNo << false << true << false; // New file? No; New file? Yes, Finished? No
        app->trigger(u"new"_s);
        app->trigger(u"new"_s);
        QVERIFY(app->window() == old && old->isVisible() && app->prompts.yesNo.isEmpty());
        QCOMPARE(old->rows().rowState(3), RowState::On);

        app->prompts.shown.clear();
        app->trigger(u"prv"_s);
        app->trigger(u"about"_s);
        QCOMPARE(AppFixture::shownWindows().size(), 3);
        app->prompts.yesNo << true << true;
        app->trigger(u"new"_s);
        QCOMPARE(
            app->prompts.said(),
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
        QCOMPARE(app->programEnds, 0);
        QCOMPARE(changedRows(fresh->rows()), QStringList());
        QCOMPARE(fresh->windowTitle() + u'|' + app->control<QLabel>(u"downlabel"_s)->text(),
                 u"Tunewick 1.5|Tunewick 1.5"_s);
        QCOMPARE(app->control<QLabel>(u"infolbl"_s)->text(),
                 u"Command: (cvar name here)\r\nDescription: (description here)"_s);
        for (const QString &item : {u"statbar"_s, u"arial"_s, u"times"_s, u"courier"_s})
            QCOMPARE(fresh->menuAction(item)->isChecked(), item == u"statbar"_s || item == u"arial"_s);
    }

    // By the Exit item or by the window's close button.
    void closingAsksAndEndsTheProgramOnYes_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("Exit item") << true;
        QTest::newRow("close button") << false;
    }
    void closingAsksAndEndsTheProgramOnYes()
    {
        QFETCH(bool, viaExit);
        const auto close = [&] { viaExit ? app->trigger(u"exit"_s) : void(app->window()->close()); };
        app->prompts.yesNo << false << true;
        close();
        QCOMPARE(app->prompts.said(), QStringList{u"Finished?: Are you sure you want to exit?"_s});
        QVERIFY(app->window()->isVisible() && app->programEnds == 0);
        close();
        QTRY_VERIFY(!app->window());
        QCOMPARE(app->programEnds, 1);
    }
};

QTEST_MAIN(TestAppController)
#include "test_appcontroller.moc"
