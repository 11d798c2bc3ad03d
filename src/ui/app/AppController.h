#pragma once

#include <QObject>
#include <QPointer>

#include "ui/PlatformStartupSound.h"
#include "ui/app/MainWindow.h"

#include <functional>

class UserPrompts;

// Owns the life of the program: creates the main window, and ends the program when the
// main window's close is confirmed.
class AppController : public QObject {
    Q_OBJECT
public:
    AppController(UserPrompts &prompts, QString dataFolder, std::function<void()> endProgram,
                  QObject *parent = nullptr);

    // Creates, initialises and shows a fresh main window.
    MainWindow *createMainWindow();
    MainWindow *mainWindow() const { return m_main; }
    // Replaces the sound each new main window plays; the default plays through the platform's audio.
    void setStartupSound(StartupSound &sound) { m_sound = &sound; }

private:
    // File, New: after two Yes answers the window closes and a fresh one takes its place.
    void startNewForm(MainWindow *window);

    UserPrompts &m_prompts;
    QString m_dataFolder;
    std::function<void()> m_endProgram;
    QPointer<MainWindow> m_main;
    bool m_startingAnew = false;
    PlatformStartupSound m_platformSound;
    StartupSound *m_sound = &m_platformSound;
};
