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
    int dismissals = 0;

    // Handed over exactly once, not dismissed: input that still reaches it, and its timer, hand over no more;
    // then it is gone.
    void handedOverOnce()
    {
        if (splash) {
            QVERIFY(!splash->isVisible() && !splash->findChild<QTimer *>(u"timer"_s)->isActive());
            QTest::mouseClick(splash, Qt::LeftButton);
        }
        QVERIFY(handOvers == 1 && dismissals == 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!splash);
    }

private slots:
    void init()
    {
        handOvers = dismissals = 0;
        splash = new SplashWindow;
        connect(splash, &SplashWindow::finished, this, [this] { ++handOvers; });
        connect(splash, &SplashWindow::dismissed, this, [this] { ++dismissals; });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }
    void cleanup() { delete splash; }

    void handsOverWhenItsTimeIsUp()
    {
        QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 10000);
        handedOverOnce();
    }

    // Whatever it is clicked on and with whichever button.
    void handsOverOnAClick()
    {
        QTest::mouseClick(splash->findChild<QWidget *>(u"imgLogo"_s), Qt::RightButton);
        handedOverOnce();
    }

    // A key hands over when it types a character, a control character included, as the platform sends it.
    void handsOverOnAKeyThatTypes_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("types");
        QTest::newRow("A") << QKeyCombination(Qt::Key_A) << u"a"_s << true;
        QTest::newRow("Tab") << QKeyCombination(Qt::Key_Tab) << u"\t"_s << true;
        QTest::newRow("Ctrl+A") << (Qt::ControlModifier | Qt::Key_A) << u"\x01"_s << true;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace})
            QTest::addRow("%x without text", key) << QKeyCombination(key) << QString() << true;
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_F1, Qt::Key_Shift})
            QTest::addRow("%x", key) << QKeyCombination(key) << QString() << false;
    }
    void handsOverOnAKeyThatTypes()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, text);
        QFETCH(bool, types);
        QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
        QApplication::sendEvent(splash, &press);
        if (types)
            handedOverOnce();
        else
            QVERIFY(handOvers == 0 && splash->isVisible());
    }

    // Closed by the window manager, the splash ends the program instead of leaving it running unseen.
    void closedFromOutsideEndsTheProgram()
    {
        splash->close();
        QVERIFY(dismissals == 1 && handOvers == 0);
    }
};

QTEST_MAIN(TestSplashWindow)
#include "test_splashwindow.moc"
