#include "support/AppFixture.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

void flushDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the program holds: its top-level widgets, their platform windows and every object under them.
QList<qsizetype> census(const QObject &controller)
{
    flushDeletes();
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    qsizetype objects = qApp->findChildren<QObject *>().size() + controller.findChildren<QObject *>().size();
    for (const QWidget *widget : topLevel) {
        if (!widget->parent()) // menus are top-level too but belong to the main window
            objects += 1 + widget->findChildren<QObject *>().size();
    }
    return {topLevel.size(), QGuiApplication::allWindows().size(), objects};
}

} // namespace

// Commands repeated many times in one process leave no windows or objects behind.
class TestEndurance : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;

    void runCommand(const QString &command)
    {
        app->prompts.clearShown();
        if (command == u"new"_s) {
            app->prompts.answerYesNo(true);
            app->prompts.answerYesNo(true);
            const QPointer<MainWindow> old = app->window();
            app->trigger(command);
            flushDeletes();
            QVERIFY(!old && app->window());
            QCOMPARE(app->prompts.shown().size(), 3); // New, the exit question, the new window's Logo box
            return;
        }
        app->trigger(command);
        // Preview and About open a window that their own button closes; presets show nothing.
        const QString windowName = command == u"prv"_s ? u"preview"_s : u"aboutfr"_s;
        int closed = 0;
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            if (shown->objectName() == windowName && shown->isVisible()) {
                const QPointer<QWidget> opened = shown;
                QTest::mouseClick(shown->findChild<QPushButton *>(command == u"prv"_s ? u"close"_s : u"cmdOK"_s),
                                  Qt::LeftButton);
                flushDeletes();
                QVERIFY(!opened);
                ++closed;
            }
        }
        QCOMPARE(closed, command == u"prv"_s || command == u"about"_s ? 1 : 0);
        QVERIFY(app->prompts.shown().isEmpty());
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        app->start();
    }
    void cleanup() { QVERIFY(app->finish()); }

    void repeatedCommandLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("times");
        QTest::newRow("New answered Yes twice") << u"new"_s << 200;
        QTest::newRow("Preview, Close") << u"prv"_s << 200;
        QTest::newRow("About, OK") << u"about"_s << 200;
        for (const QString &preset : {u"highq"_s, u"defq"_s, u"hfps"_s, u"dhfps"_s})
            QTest::newRow(qPrintable(preset)) << preset << 50;
    }
    void repeatedCommandLeavesNothingBehind()
    {
        QFETCH(QString, command);
        QFETCH(int, times);
        // Once first, so that whatever Qt makes on first use and keeps is in the count before.
        runCommand(command);
        const int playsBefore = app->sound.plays;
        const QList<qsizetype> before = census(app->controller);
        for (int i = 0; i < times && !QTest::currentTestFailed(); ++i)
            runCommand(command);
        QCOMPARE(census(app->controller), before);
        // Each New made a window of its own, which played the sound.
        QCOMPARE(app->sound.plays - playsBefore, command == u"new"_s ? times : 0);
    }
};

QTEST_MAIN(TestEndurance)
#include "test_endurance.moc"
