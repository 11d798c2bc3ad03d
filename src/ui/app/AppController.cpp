#include "ui/app/AppController.h"

AppController::AppController(UserPrompts &prompts, QString dataFolder, std::function<void()> endProgram,
                             QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_dataFolder(std::move(dataFolder))
    , m_endProgram(std::move(endProgram))
{
}

MainWindow *AppController::createMainWindow()
{
    auto *window = new MainWindow(m_prompts, m_dataFolder);
    connect(window, &MainWindow::closeConfirmed, this, [this] {
        if (!m_startingAnew)
            m_endProgram();
    });
    connect(window, &MainWindow::newFormRequested, this, [this, window] { startNewForm(window); });
    connect(window, &MainWindow::startupSoundRequested, this, [this] { m_sound->play(); });
    window->initialise();
    window->show();
    m_main = window;
    return window;
}

void AppController::startNewForm(MainWindow *window)
{
    if (!window->confirmNew())
        return;
    // The window closes by its usual path, which asks again unless unsaved changes were settled
    // already; the program goes on either way.
    m_startingAnew = true;
    const bool closed = window->close();
    m_startingAnew = false;
    if (closed)
        createMainWindow();
}
