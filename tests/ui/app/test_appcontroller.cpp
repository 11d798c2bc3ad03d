#include "core/app/BuildInfo.h"
#include "support/AppFixture.h"
#include "support/RowChanges.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

// The program's life: each main window greets the user as it is created, New replaces it, and a
// confirmed close ends the program.
class TestAppController : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;

    QStringList titlesShown() const
    {
        QStringList titles;
        for (const ScriptedPrompts::Shown &shown : app->prompts.shown())
            titles << shown.title;
        return titles;
    }
    static qsizetype windowsShown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); });
    }

private slots:
    void init() { app = std::make_unique<AppFixture>(); }
    void cleanup() { QVERIFY(app->finish() && QApplication::topLevelWidgets().isEmpty()); }

    void aNewWindowGreetsAndStartsAfresh()
    {
        MainWindow *window = app->controller.createMainWindow();
        QCOMPARE(titlesShown(), QStringList{u"Logo"_s});
        const QString logo = app->prompts.shown()[0].text;
        QVERIFY2(logo.startsWith(u"Tunewick "_s)
                     && logo.endsWith(QString::fromUtf8(BuildInfo::contactEmail)
                                      + u"\r\nThanks! Your help is very appreciated!"_s),
                 qPrintable(logo));
        QCOMPARE(app->sound.plays, 1);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), u"Tunewick 1.5"_s);
        QCOMPARE(app->control<QLabel>(u"downlabel"_s)->text(), u"Tunewick 1.5"_s);
        QCOMPARE(app->control<QLabel>(u"infolbl"_s)->text(),
                 u"Command: (cvar name here)\r\nDescription: (description here)"_s);
        for (const QString &item : {u"statbar"_s, u"arial"_s, u"times"_s, u"courier"_s})
            QCOMPARE(window->menuAction(item)->isChecked(), item == u"statbar"_s || item == u"arial"_s);
        QCOMPARE(changedRows(window->rows()), QStringList());
    }

    void newKeepsTheWindowUnlessBothAnswersAreYes()
    {
        MainWindow *window = app->start();
        window->rows().select(3, RowState::On);
        app->prompts.answerYesNo(false);
        app->trigger(u"new"_s);
        app->prompts.answerYesNo(true);
        app->prompts.answerYesNo(false);
        app->trigger(u"new"_s);
        QTest::qWait(0);
        QCOMPARE(titlesShown(), (QStringList{u"New file"_s, u"New file"_s, u"Finished?"_s}));
        QCOMPARE(app->prompts.shown()[0].text,
                 u"Are you sure you want to start a new form?\r\n        (current setting will not be saved)"_s);
        QVERIFY(app->window() == window && window->isVisible());
        QCOMPARE(window->rows().rowState(3), RowState::On);
        QCOMPARE(app->programEnds, 0);
    }

    void newWithTwoYesesReplacesTheWindowAndWhatItOpened()
    {
        QPointer<MainWindow> old = app->start();
        app->trigger(u"prv"_s);
        app->trigger(u"about"_s);
        QCOMPARE(windowsShown(), 3);
        app->prompts.answerYesNo(true);
        app->prompts.answerYesNo(true);
        app->trigger(u"new"_s);
        QCOMPARE(titlesShown(), (QStringList{u"New file"_s, u"Finished?"_s, u"Logo"_s}));
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
    void closingAsksAndEndsTheProgramOnYes()
    {
        QFETCH(bool, viaExit);
        MainWindow *window = app->start();
        QWidget other; // stands for the preview or about window
        other.show();
        const auto close = [&] { viaExit ? app->trigger(u"exit"_s) : void(window->close()); };
        app->prompts.answerYesNo(false);
        close();
        QCOMPARE(titlesShown(), QStringList{u"Finished?"_s});
        QCOMPARE(app->prompts.shown()[0].text, u"Are you sure you want to exit?"_s);
        QVERIFY(window->isVisible() && other.isVisible());
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
