#include "ui/app/SplashWindow.h"

#include <QApplication>
#include <QKeyEvent>
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
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("text"); // set: the key event as X11 sends it, its text a control character
        QTest::addColumn<int>("handedOver");
        QTest::newRow("timer") << QString() << Qt::NoButton << QKeyCombination() << QString() << 1;
        for (const QString &target : {u"splash"_s, u"lblVersion"_s})
            QTest::addRow("click on %s", qPrintable(target))
                << target << Qt::LeftButton << QKeyCombination() << QString() << 1;
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
            QTest::addRow("button %x on imgLogo", button)
                << u"imgLogo"_s << button << QKeyCombination() << QString() << 1;
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_7, Qt::Key_Comma, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape})
            QTest::addRow("character key %x", key)
                << QString() << Qt::NoButton << QKeyCombination(key) << QString() << 1;
        QTest::newRow("Tab") << QString() << Qt::NoButton << QKeyCombination(Qt::Key_Tab) << u"\t"_s << 1;
        QTest::newRow("Ctrl+A") << QString() << Qt::NoButton << (Qt::ControlModifier | Qt::Key_A) << u"\x01"_s << 1;
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift, Qt::Key_PageDown})
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
            QTest::mouseClick(click == u"splash"_s ? splash : splash->findChild<QWidget *>(click), button);
        } else if (!text.isEmpty()) { // built by hand: QTest would send Ctrl+A with the text "a"
            QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
            QApplication::sendEvent(splash, &press);
        } else if (key.key() != Qt::Key_unknown) {
            QTest::keyClick(splash, key.key());
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 10000);
        }
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
#include "test_splashwindow.moc"
