#include "app/AppController.h"

#include "app/MainWindow.h"

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
    connect(window, &MainWindow::closeConfirmed, this, [this] { m_endProgram(); });
    connect(window, &MainWindow::startupSoundRequested, this, [this] { m_sound->play(); });
    window->initialise();
    window->show();
    m_main = window;
    return window;
}
