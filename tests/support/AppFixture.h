#pragma once

#include "support/ChoicesText.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"
#include "ui/CurrentChoices.h"
#include "ui/app/AppController.h"

#include "support/TestCase.h"
#include <QtWidgets>

// Every GUI test writes its texts as u"..."_s.
using MenuItem = MainWindow::MenuItem;

// The running program as GUI tests drive it: scripted boxes and dialogs, a startup sound that only
// counts its plays, and a data folder of the test's own holding a copy of the shipped data files.
class AppFixture final : public StartupSound {
public:
    AppFixture()
    {
        const QDir shipped(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR));
        for (const QString &file : shipped.entryList({QStringLiteral("*.cst")}, QDir::Files))
            QFile::copy(shipped.filePath(file), data.filePath(file));
        controller.setStartupSound(*this);
        // Backups go to the test's own folder, never to the user's.
        qputenv("XDG_STATE_HOME", QFile::encodeName(data.filePath(u"state"_s)));
        qputenv("LOCALAPPDATA", QFile::encodeName(data.filePath(u"state"_s))); // Windows' folder for them
    }
    void play() override { ++plays; }

    // Closes the main window with Yes, or Discard for unsaved changes, as the user would; true once it is
    // gone (it deletes itself later).
    bool finish()
    {
        if (window()) {
            if (window()->choices().hasUnsavedChanges())
                prompts.unsaved << UserPrompts::UnsavedAnswer::Discard;
            else
                prompts.yesNo << true;
            window()->close();
        }
        return QTest::qWaitFor([this] { return !window(); });
    }

    MainWindow *window() const { return controller.mainWindow(); }
    void trigger(MenuItem item) const { window()->action(item)->trigger(); }
    void click(const QString &objectName) const { QTest::mouseClick(control<QWidget>(objectName), Qt::LeftButton); }
    // What the window's choices differ in from a fresh window's, as "name=state" joined by blanks.
    QString changed() const { return changedSettings(window()->choices().value()).join(u' '); }
    template<typename T> T *control(const QString &objectName) const { return window()->findChild<T *>(objectName); }
    // The windows shown, those of one name if it is given.
    static QWidgetList shownWindows(const QString &name = {})
    {
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([&](QWidget *w) { return !w->isVisible() || (!name.isEmpty() && w->objectName() != name); });
        return windows;
    }
    // Writes a file into the data folder; its path, or nothing when it cannot be written.
    QString writeData(const QString &fileName, const QByteArray &bytes) const
    {
        return writeFile(data.filePath(fileName), bytes) ? data.filePath(fileName) : QString();
    }

    QTemporaryDir data;
    ScriptedPrompts prompts;
    int plays = 0, programEnds = 0; // of the startup sound, and the times the program ended
    AppController controller{prompts, data.path(), [this] { ++programEnds; }};
};

// Each test function of a derived test starts with a fresh main window and ends by closing it.
class AppTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<AppFixture> app;

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        QVERIFY(QTest::qWaitForWindowExposed(app->controller.createMainWindow()));
        app->prompts.shown.clear(); // the logo box
    }
    void cleanup() { QVERIFY(app->finish()); }
};
