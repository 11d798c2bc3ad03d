#pragma once

#include "core/catalogue/StartupTables.h"
#include "ui/app/DisplayFont.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class AboutWindow;
class CatalogueTabs;
class CurrentChoices;
class LinePanel;
class QLabel;
class UserPrompts;

// The main window `main`: the tab strip with the catalogue, its menus and the Status Bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // dataFolder: the folder holding the data files and presets.
    MainWindow(UserPrompts &prompts, QString dataFolder, QWidget *parent = nullptr);

    // The steps of creation that follow building the controls, run before the window is first shown.
    void initialise();

    // The choices the window shows.
    CurrentChoices &choices() const { return *m_choices; }
    // The tables read from the data files at creation.
    const StartupTables &tables() const { return m_tables; }
    // A menu item by its object name (new, open, inst, prv, highq...).
    QAction *menuAction(const QString &objectName) const;

signals:
    // File, New was chosen; whoever owns the program's windows decides what follows.
    void newFormRequested();
    // The user confirmed closing: this window and every other window of the program are closing.
    void closeConfirmed();
    // Creation has reached the point where the start-up sound plays.
    void startupSoundRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct Preset {
        QAction *action;
        const char16_t *fileName;
    };

    void createCentralArea();
    void createMenus();
    void addShortcuts();
    void connectMenus();
    void readDataFiles();
    void showAbout();
    void toggleStatusBar();
    void nameUndoSteps();
    void setClientHeight(int twips);

    UserPrompts &m_prompts;
    QString m_dataFolder;
    StartupTables m_tables;
    CurrentChoices *m_choices;
    LinePanel *m_client = nullptr;
    CatalogueTabs *m_tabs = nullptr;
    QLabel *m_downLabel = nullptr;
    QLabel *m_infoLabel = nullptr;

    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    DisplayFont::Actions m_fontActions{};
    DisplayFont::Controls m_fontControls;
    QAction *m_previewAction = nullptr;
    QAction *m_statusBarAction = nullptr;
    QAction *m_updateAction = nullptr;
    std::array<Preset, 4> m_presets{};
    QAction *m_aboutAction = nullptr;

    QPointer<AboutWindow> m_about;
};
