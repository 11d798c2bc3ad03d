#pragma once

#include "core/catalogue/RowAccess.h"
#include "support/ScriptedPrompts.h"
#include "ui/StartupSound.h"
#include "ui/app/AppController.h"
#include "ui/app/MainWindow.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The running program as GUI tests drive it: scripted boxes and dialogs, a sound that only
// counts, and a data folder of the test's own holding a copy of the shipped data files.
class AppFixture {
public:
    class CountingSound final : public StartupSound {
    public:
        void play() override { ++plays; }
        int plays = 0;
    };

    AppFixture();
    ~AppFixture();

    // Creates and shows the main window; the boxes it shows on the way are kept in `greeting`, apart
    // from the record of what is shown next.
    MainWindow *start();
    // Closes the main window with Yes, as the user would; true when no window of it is left.
    bool finish();

    MainWindow *window() const { return controller.mainWindow(); }
    QString dataPath(const QString &fileName) const { return data.filePath(fileName); }
    // Writes a file into the data folder and returns its path.
    QString writeData(const QString &fileName, const QByteArray &bytes) const;
    void trigger(const QString &actionName) const;
    template<typename T> T *control(const QString &objectName) const { return window()->findChild<T *>(objectName); }
    QStringList titlesShown() const;

    QTemporaryDir data;
    ScriptedPrompts prompts;
    QList<ScriptedPrompts::Shown> greeting;
    CountingSound sound;
    int programEnds = 0;
    AppController controller;
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
        QVERIFY(QTest::qWaitForWindowExposed(app->start()));
    }
    void cleanup() { QVERIFY(app->finish()); }
};
