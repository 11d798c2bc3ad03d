#include "app/AppController.h"
#include "app/MainWindow.h"
#include "app/StartupSound.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

class CountingSound final : public StartupSound {
public:
    int plays = 0;
    void play() override { ++plays; }
};

// What the program holds: its windows and every object under them.
struct Census {
    qsizetype topLevelWidgets = 0;
    qsizetype windows = 0; // the platform windows behind the widgets
    qsizetype objects = 0;
};

void flushDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Census census(const QObject &controller)
{
    flushDeletes();
    Census counted;
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    counted.topLevelWidgets = topLevel.size();
    counted.windows = QGuiApplication::allWindows().size();
    // Menus are top-level too but belong to the main window: count each object once.
    for (const QWidget *widget : topLevel) {
        if (!widget->parent())
            counted.objects += 1 + widget->findChildren<QObject *>().size();
    }
    counted.objects += qApp->findChildren<QObject *>().size() + controller.findChildren<QObject *>().size();
    return counted;
}

QWidget *shownWindow(const QString &objectName)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

} // namespace

// Commands repeated many times in one process leave no windows or objects behind.
class TestEndurance : public QObject {
    Q_OBJECT

    ScriptedPrompts *prompts = nullptr;
    CountingSound sound;
    AppController *controller = nullptr;

    MainWindow *window() const { return controller->mainWindow(); }

    // File, New answered Yes twice: the window closes and a fresh one takes its place.
    void startNewForm()
    {
        prompts->answerYesNo(true);
        prompts->answerYesNo(true);
        const QPointer<MainWindow> old = window();
        old->menuAction(u"new"_s)->trigger();
        flushDeletes();
        QVERIFY(!old);
        QVERIFY(window());
        QVERIFY(prompts->allAnswersUsed());
        QCOMPARE(prompts->shown().size(), 3); // New, the exit question, the Logo box of the new window
    }

    void openAndClose(const QString &action, const QString &windowName, const QString &buttonName)
    {
        window()->menuAction(action)->trigger();
        const QPointer<QWidget> shown = shownWindow(windowName);
        QVERIFY(shown);
        auto *button = shown->findChild<QPushButton *>(buttonName);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        flushDeletes();
        QVERIFY(!shown);
        QVERIFY(prompts->shown().isEmpty());
    }

    void applyPreset(const QString &action)
    {
        window()->menuAction(action)->trigger();
        flushDeletes();
        QVERIFY(prompts->shown().isEmpty()); // no box: the preset was applied
    }

    void runCommand(const QString &command)
    {
        prompts->clearShown();
        if (command == u"new"_s)
            startNewForm();
        else if (command == u"prv"_s)
            openAndClose(command, u"preview"_s, u"close"_s);
        else if (command == u"about"_s)
            openAndClose(command, u"aboutfr"_s, u"cmdOK"_s);
        else
            applyPreset(command);
    }

private slots:
    void init()
    {
        prompts = new ScriptedPrompts;
        sound.plays = 0;
        controller = new AppController(*prompts, QStringLiteral(TUNEWICK_BUILD_DATA_DIR), [] {});
        controller->setStartupSound(sound);
        QVERIFY(QTest::qWaitForWindowExposed(controller->createMainWindow()));
    }

    void cleanup()
    {
        if (window()) {
            prompts->answerYesNo(true);
            window()->close();
        }
        flushDeletes();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        delete controller;
        delete prompts;
    }

    void repeatedCommandLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("times");
        QTest::newRow("New answered Yes twice") << u"new"_s << 200;
        QTest::newRow("Preview, Close") << u"prv"_s << 200;
        QTest::newRow("About, OK") << u"about"_s << 200;
        QTest::newRow("High Quality") << u"highq"_s << 50;
        QTest::newRow("Default") << u"defq"_s << 50;
        QTest::newRow("High FPS") << u"hfps"_s << 50;
        QTest::newRow("Die Hard FPS") << u"dhfps"_s << 50;
    }

    void repeatedCommandLeavesNothingBehind()
    {
        QFETCH(QString, command);
        QFETCH(int, times);
        // Once first, so that whatever Qt makes on first use and keeps is in the count before.
        runCommand(command);
        if (QTest::currentTestFailed())
            return;
        const int playsBefore = sound.plays;
        const Census before = census(*controller);
        for (int i = 0; i < times; ++i) {
            runCommand(command);
            if (QTest::currentTestFailed())
                return;
        }
        const Census after = census(*controller);
        QCOMPARE(after.topLevelWidgets, before.topLevelWidgets);
        QCOMPARE(after.windows, before.windows);
        QCOMPARE(after.objects, before.objects);
        // Each New made a window of its own, which played the sound.
        QCOMPARE(sound.plays - playsBefore, command == u"new"_s ? times : 0);
    }
};

QTEST_MAIN(TestEndurance)
#include "test_endurance.moc"
