#include "app/AppController.h"
#include "app/LogoPicture.h"
#include "app/SplashWindow.h"
#include "app/UserPrompts.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Notes whether a splash is still on screen when the start-up box comes up.
class WatchingPrompts final : public UserPrompts {
public:
    QStringList informed;
    bool splashVisibleAtLogo = true;

    bool askYesNo(QWidget *, const QString &, const QString &) override { return true; }
    void inform(QWidget *, const QString &title, const QString &) override
    {
        informed << title;
        if (title == u"Logo"_s) {
            splashVisibleAtLogo = false;
            for (QWidget *window : QApplication::topLevelWidgets())
                splashVisibleAtLogo |= window->objectName() == u"splash"_s && window->isVisible();
        }
    }
    std::optional<QString> askOpenFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<QString> askSaveFileName(QWidget *, const FileDialogRequest &) override { return {}; }
};

class SilentSound final : public StartupSound {
public:
    void play() override {}
};

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

    QPointer<SplashWindow> splash;
    int handOvers = 0;
    int dismissals = 0;

    template<typename T = QWidget> T *control(const QString &name) const
    {
        if (splash->objectName() == name)
            return qobject_cast<T *>(splash.data());
        T *found = splash->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void init()
    {
        handOvers = 0;
        dismissals = 0;
        splash = new SplashWindow;
        connect(splash, &SplashWindow::finished, this, [this] { ++handOvers; });
        connect(splash, &SplashWindow::dismissed, this, [this] { ++dismissals; });
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
    }

    void cleanup()
    {
        delete splash;
        processDeletes();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void showsNameLogoAndVersion()
    {
        QCOMPARE(splash->windowTitle(), QString());
        QCOMPARE(control<QLabel>(u"lblProductName"_s)->text(), u"Tunewick"_s);
        QCOMPARE(control<QLabel>(u"lblVersion"_s)->text(), u"Version 1.5"_s);
        QCOMPARE(control<QLabel>(u"imgLogo"_s)->pixmap().size(), QSize(LogoPicture::size, LogoPicture::size));
        QCOMPARE(splash->size(), QSize(484, 215)); // 7260 x 3225 twips
        auto *timer = splash->findChild<QTimer *>(u"timer"_s);
        QVERIFY(timer->isActive());
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 1500);
    }

    void clickHandsOver_data()
    {
        QTest::addColumn<QString>("target");
        for (const char *name : {"splash", "Frame1", "imgLogo", "lblProductName", "lblVersion"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void clickHandsOver()
    {
        QFETCH(QString, target);
        QTest::mouseClick(control(target), Qt::LeftButton);
        QCOMPARE(handOvers, 1);
        QVERIFY(!splash->isVisible());
        processDeletes();
        QVERIFY(!splash); // gone, and its timer with it: no second hand-over can follow
    }

    void keys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("expectedHandOvers");
        QTest::newRow("letter") << Qt::Key_A << 1;
        QTest::newRow("digit") << Qt::Key_7 << 1;
        QTest::newRow("punctuation") << Qt::Key_Comma << 1;
        QTest::newRow("space") << Qt::Key_Space << 1;
        QTest::newRow("Enter") << Qt::Key_Return << 1;
        QTest::newRow("keypad Enter") << Qt::Key_Enter << 1;
        QTest::newRow("Escape") << Qt::Key_Escape << 1;
        QTest::newRow("Backspace") << Qt::Key_Backspace << 1;
        QTest::newRow("arrow") << Qt::Key_Left << 0;
        QTest::newRow("function key") << Qt::Key_F1 << 0;
        QTest::newRow("Shift alone") << Qt::Key_Shift << 0;
        QTest::newRow("Page Down") << Qt::Key_PageDown << 0;
    }

    void keys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, expectedHandOvers);
        QTest::keyClick(splash, key);
        QCOMPARE(handOvers, expectedHandOvers);
        QCOMPARE(splash->isVisible(), expectedHandOvers == 0);
    }

    void timerHandsOver()
    {
        QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 10000);
        processDeletes();
        QVERIFY(!splash);
    }

    void handsOverExactlyOnce()
    {
        QTest::mouseClick(control(u"lblVersion"_s), Qt::LeftButton);
        // Before the splash is deleted, further input reaches it: none of it hands over again.
        QTest::mouseClick(splash, Qt::LeftButton);
        QTest::keyClick(splash, Qt::Key_A);
        QVERIFY(!splash->findChild<QTimer *>(u"timer"_s)->isActive());
        QCOMPARE(handOvers, 1);
        QCOMPARE(dismissals, 0);
    }

    void closingFromOutsideEndsWithoutHandOver()
    {
        splash->close();
        QCOMPARE(dismissals, 1);
        QCOMPARE(handOvers, 0);
        QVERIFY(!splash->findChild<QTimer *>(u"timer"_s)->isActive());
        QTest::keyClick(splash, Qt::Key_A);
        QCOMPARE(handOvers, 0);
    }

    void handOverBringsUpTheMainWindowAlone()
    {
        WatchingPrompts prompts;
        SilentSound sound;
        int programEnds = 0;
        AppController controller(prompts, QStringLiteral(TUNEWICK_BUILD_DATA_DIR), [&] { ++programEnds; });
        controller.setStartupSound(sound);
        connect(splash, &SplashWindow::finished, &controller, &AppController::createMainWindow);

        QTest::keyClick(splash, Qt::Key_Escape);
        QVERIFY(controller.mainWindow());
        QVERIFY(controller.mainWindow()->isVisible());
        QCOMPARE(prompts.informed, QStringList{u"Logo"_s});
        QVERIFY(!prompts.splashVisibleAtLogo);

        controller.mainWindow()->close(); // the prompts answer Yes
        QCOMPARE(programEnds, 1);
        processDeletes();
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
