#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

qsizetype windowsShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); });
}

} // namespace

// The program's life: each main window greets the user as it is created, New replaces it, and a
// confirmed close ends the program.
class TestAppController : public AppTest {
    Q_OBJECT
private slots:
    void aNewWindowGreetsAndStartsAfresh()
    {
        QCOMPARE(app->greeting.size(), 1);
        QCOMPARE(app->greeting[0].title, u"Logo"_s);
        const QString logo = app->greeting[0].text;
        QVERIFY2(logo.startsWith(u"Tunewick "_s)
                     && logo.endsWith(QString::fromUtf8(BuildInfo::contactEmail)
                                      + u"\r\nThanks! Your help is very appreciated!"_s),
                 qPrintable(logo));
        QCOMPARE(app->sound.plays, 1);
        MainWindow *window = app->window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), u"Tunewick 1.5"_s);
        QCOMPARE(app->control<QLabel>(u"downlabel"_s)->text(), u"Tunewick 1.5"_s);
        QCOMPARE(app->control<QLabel>(u"infolbl"_s)->text(),
                 u"Command: (cvar name here)\r\nDescription: (description here)"_s);
        for (const QString &item : {u"statbar"_s, u"arial"_s, u"times"_s, u"courier"_s})
            QCOMPARE(window->menuAction(item)->isChecked(), item == u"statbar"_s || item == u"arial"_s);
        QCOMPARE(changedRows(window->rows()), QStringList());
    }

    // The window stays unless both questions are answered Yes; then a fresh one takes its place and the
    // windows the old one opened go with it.
    void newAsksTwiceThenReplacesTheWindow()
    {
        QPointer<MainWindow> old = app->window();
        old->rows().select(3, RowState::On);
        app->prompts.answerYesNo(false);
        app->trigger(u"new"_s);
        app->prompts.answerYesNo(true);
        app->prompts.answerYesNo(false); // to "Finished?"
        app->trigger(u"new"_s);
        QVERIFY(app->window() == old && old->isVisible() && app->prompts.allAnswersUsed());
        QCOMPARE(old->rows().rowState(3), RowState::On);

        app->prompts.clearShown();
        app->trigger(u"prv"_s);
        app->trigger(u"about"_s);
        QCOMPARE(windowsShown(), 3);
        app->prompts.answerYesNo(true);
        app->prompts.answerYesNo(true);
        app->trigger(u"new"_s);
        QCOMPARE(app->titlesShown(), (QStringList{u"New file"_s, u"Finished?"_s, u"Logo"_s}));
        QCOMPARE(app->prompts.shown()[0].text,
                 u"Are you sure you want to start a new form?\r\n        (current setting will not be saved)"_s);
        QCOMPARE(app->sound.plays, 2);
        QVERIFY(app->window() && app->window() != old);
        QTRY_VERIFY(!old);
        QTRY_COMPARE(windowsShown(), 1);
        QCOMPARE(app->programEnds, 0);
    }

    void closingAsksAndEndsTheProgramOnYes_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("Exit item") << true;
        QTest::newRow("close button") << false;
    }
    // The program's other windows close with the main window.
    void closingAsksAndEndsTheProgramOnYes()
    {
        QFETCH(bool, viaExit);
        QWidget other;
        other.show();
        const auto close = [&] { viaExit ? app->trigger(u"exit"_s) : void(app->window()->close()); };
        app->prompts.answerYesNo(false);
        close();
        QCOMPARE(app->titlesShown(), QStringList{u"Finished?"_s});
        QCOMPARE(app->prompts.shown()[0].text, u"Are you sure you want to exit?"_s);
        QVERIFY(app->window()->isVisible() && other.isVisible());
        QCOMPARE(app->programEnds, 0);
        app->prompts.answerYesNo(true);
        close();
        QTRY_VERIFY(!app->window());
        QVERIFY(!other.isVisible());
        QCOMPARE(app->programEnds, 1);
    }
};

QTEST_MAIN(TestAppController)
#include "test_appcontroller.moc"
