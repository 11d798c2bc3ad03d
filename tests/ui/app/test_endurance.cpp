#include "support/AppFixture.h"

using namespace Qt::StringLiterals;

// Commands repeated many times in one process leave no windows or objects behind.
class TestEndurance : public AppTest {
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

QTEST_MAIN(TestEndurance)
#include "test_endurance.moc"
