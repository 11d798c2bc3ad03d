#include "ui/app/SplashWindow.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestSplash : public QObject {
    Q_OBJECT

    QPointer<SplashWindow> splash;
    int handOvers = 0;

private slots:
    void init()
    {
        handOvers = 0;
        splash = new SplashWindow;
        connect(splash, &SplashWindow::finished, this, [this] { ++handOvers; });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }
    void cleanup() { delete splash; }

    void handOver_data()
    {
        QTest::addColumn<QString>("click"); // the control clicked; none: a key, or the timer when no key either
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("handedOver");
        QTest::newRow("timer") << QString() << Qt::Key_unknown << 1;
        for (const QString &target : {u"splash"_s, u"lblVersion"_s})
            QTest::addRow("click on %s", qPrintable(target)) << target << Qt::Key_unknown << 1;
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_7, Qt::Key_Comma, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape})
            QTest::addRow("character key %x", key) << QString() << key << 1;
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift, Qt::Key_PageDown})
            QTest::addRow("no character %x", key) << QString() << key << 0;
    }
    void handOver()
    {
        QFETCH(QString, click);
        QFETCH(Qt::Key, key);
        QFETCH(int, handedOver);
        if (!click.isEmpty())
            QTest::mouseClick(click == u"splash"_s ? splash : splash->findChild<QWidget *>(click), Qt::LeftButton);
        else if (key != Qt::Key_unknown)
            QTest::keyClick(splash, key);
        else
            QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 10000);
        QCOMPARE(handOvers, handedOver);
        QCOMPARE(splash && splash->isVisible(), !handedOver);
        if (!handedOver)
            return;
        if (splash) { // exactly once: input that still reaches it and its timer hand over no more
            QTest::mouseClick(splash, Qt::LeftButton);
            QTest::keyClick(splash, Qt::Key_A);
            QVERIFY(!splash->findChild<QTimer *>(u"timer"_s)->isActive());
        }
        QCOMPARE(handOvers, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!splash);
    }

    // Closed by the window manager, the splash ends the program instead of leaving it running unseen.
    void closedFromOutsideEndsTheProgram()
    {
        int dismissals = 0;
        connect(splash, &SplashWindow::dismissed, this, [&dismissals] { ++dismissals; });
        splash->close();
        QCOMPARE(dismissals, 1);
        QCOMPARE(handOvers, 0);
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
