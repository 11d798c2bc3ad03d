#include "ui/app/SplashWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestSplashWindow : public QObject {
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

    // A click of any button anywhere on it, or a key that types a character, hands over before the timer.
    void handOver_data()
    {
        QTest::addColumn<QString>("click"); // the control clicked; none: a key, or the timer when no key either
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("text"); // the key event's text, as the platform sends it
        QTest::addColumn<int>("handedOver");
        QTest::newRow("timer") << QString() << Qt::NoButton << QKeyCombination() << QString() << 1;
        QTest::newRow("click on a label") << u"lblVersion"_s << Qt::LeftButton << QKeyCombination() << QString() << 1;
        QTest::newRow("right button") << u"imgLogo"_s << Qt::RightButton << QKeyCombination() << QString() << 1;
        QTest::newRow("A") << QString() << Qt::NoButton << QKeyCombination(Qt::Key_A) << u"a"_s << 1;
        QTest::newRow("Tab") << QString() << Qt::NoButton << QKeyCombination(Qt::Key_Tab) << u"\t"_s << 1;
        QTest::newRow("Ctrl+A") << QString() << Qt::NoButton << (Qt::ControlModifier | Qt::Key_A) << u"\x01"_s << 1;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace})
            QTest::addRow("key %x without text", key)
                << QString() << Qt::NoButton << QKeyCombination(key) << QString() << 1;
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift})
            QTest::addRow("no character %x", key)
                << QString() << Qt::NoButton << QKeyCombination(key) << QString() << 0;
    }
    void handOver()
    {
        QFETCH(QString, click);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, text);
        QFETCH(int, handedOver);
        if (!click.isEmpty()) {
            QTest::mouseClick(splash->findChild<QWidget *>(click), button);
        } else if (key.key() != Qt::Key_unknown) {
            QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
            QApplication::sendEvent(splash, &press);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 10000);
        }
        QCOMPARE(handOvers, handedOver);
        QCOMPARE(splash && splash->isVisible(), !handedOver);
        if (!handedOver)
            return;
        if (splash) { // exactly once: input that still reaches it and its timer hand over no more
            QTest::mouseClick(splash, Qt::LeftButton);
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

QTEST_MAIN(TestSplashWindow)
#include "test_splashwindow.moc"
