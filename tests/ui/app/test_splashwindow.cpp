#include "ui/app/SplashWindow.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestSplashWindow : public QObject {
    Q_OBJECT
private slots:
    // Its time running out, a click of any button anywhere on it, or a key that types a character hands it
    // over, once: input that still reaches it, and its timer, hand over no more. Other keys leave it up.
    // Closed by the window manager, it ends the program instead of leaving it running unseen.
    void handsOverOnce_data()
    {
        QTest::addColumn<QString>("input"); // a key (a letter types itself), unless "time", "click" or "close"
        QTest::addColumn<int>("handOvers");
        QTest::addColumn<int>("dismissals");
        QTest::newRow("time") << u"time"_s << 1 << 0;
        QTest::newRow("right click") << u"click"_s << 1 << 0;
        QTest::newRow("closed from outside") << u"close"_s << 0 << 1;
        QTest::newRow("A") << u"A"_s << 1 << 0;
        QTest::newRow("Esc without text") << u"Esc"_s << 1 << 0;
        QTest::newRow("Left") << u"Left"_s << 0 << 0;
    }
    void handsOverOnce()
    {
        QFETCH(QString, input);
        QFETCH(int, handOvers);
        QFETCH(int, dismissals);
        QPointer splash = new SplashWindow;
        const auto remove = qScopeGuard([&splash] { delete splash; });
        QSignalSpy finished(splash, &SplashWindow::finished), dismissed(splash, &SplashWindow::dismissed);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        if (input == u"click"_s)
            QTest::mouseClick(splash->findChild<QWidget *>(u"imgLogo"_s), Qt::RightButton);
        else if (input == u"close"_s)
            splash->close();
        else if (input != u"time"_s)
            QTest::sendKeyEvent(QTest::Press, splash, QKeySequence(input)[0].key(),
                                input.size() == 1 ? input.toLower() : QString(), Qt::NoModifier);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), handOvers, 10000);
        QCOMPARE(dismissed.size(), dismissals);
        if (splash && handOvers) {
            QVERIFY(!splash->isVisible() && !splash->findChild<QTimer *>(u"timer"_s)->isActive());
            QTest::mouseClick(splash, Qt::LeftButton);
            QCOMPARE(finished.size(), 1);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bool(splash), !handOvers && !dismissals); // gone once it ends, else still up
        QVERIFY(!splash || splash->isVisible());
    }
};

QTEST_MAIN(TestSplashWindow)
#include "test_splashwindow.moc"
