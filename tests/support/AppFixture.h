#pragma once

#include "support/ScriptedPrompts.h"
#include "ui/StartupSound.h"
#include "ui/app/AppController.h"
#include "ui/app/MainWindow.h"

#include <QTemporaryDir>

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

    // Creates and shows the main window; the start-up boxes are cleared from the record.
    MainWindow *start();
    // Closes the main window with Yes, as the user would; true when no window of it is left.
    bool finish();

    MainWindow *window() const { return controller.mainWindow(); }
    QString dataPath(const QString &fileName) const { return data.filePath(fileName); }
    void trigger(const QString &actionName) const;
    template<typename T> T *control(const QString &objectName) const { return window()->findChild<T *>(objectName); }

    QTemporaryDir data;
    ScriptedPrompts prompts;
    CountingSound sound;
    int programEnds = 0;
    AppController controller;
};
