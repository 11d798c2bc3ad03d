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
class RestoreCommand;
class SaveCommand;
class UserPrompts;

// The main window: the tab strip with the catalogue, its menus and the Status Bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The menu items that do something, in menu order.
    enum class MenuItem {
        New,
        Open,
        Save,
        RestoreBackup,
        Exit,
        Undo,
        Redo,
        FontArial,
        FontTimes,
        FontCourier,
        Preview,
        StatusBar,
        Update,
        HighQuality,
        DefaultPreset,
        HighFps,
        DieHardFps,
        About,
    };
    Q_ENUM(MenuItem)

    // dataFolder: the folder holding the data files and presets.
    MainWindow(UserPrompts &prompts, QString dataFolder, QWidget *parent = nullptr);

    // The steps of creation that follow building the controls, run before the window is first shown.
    void initialise();

    // The choices the window shows.
    CurrentChoices &choices() const { return *m_choices; }
    // The tables read from the data files at creation.
    const StartupTables &tables() const { return m_tables; }
    // The action of a menu item, made with the menus.
    QAction *action(MenuItem item) const { return m_actions.at(static_cast<std::size_t>(item)); }

    // File, New: whether the window may make way for a fresh one. With unsaved changes the player may
    // save them first, and the window then closes without asking again.
    bool confirmNew();

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
    static constexpr std::size_t menuItemCount = static_cast<std::size_t>(MenuItem::About) + 1;

    struct Preset {
        QAction *action;
        const char16_t *fileName;
    };

    void createCentralArea();
    void createMenus();
    QAction *hold(MenuItem item, const QString &objectName, QAction *action);
    void addShortcuts();
    void connectMenus();
    void readDataFiles();
    void showAbout();
    void toggleStatusBar();
    void nameUndoSteps();
    void showFileInTitle();
    // With unsaved changes, offers to save them first: false when the player cancels or the save
    // does not complete. True at once without unsaved changes.
    bool settleUnsavedChanges(const QString &title);
    void setClientHeight(int twips);

    UserPrompts &m_prompts;
    QString m_dataFolder;
    StartupTables m_tables;
    CurrentChoices *m_choices;
    LinePanel *m_client = nullptr;
    CatalogueTabs *m_tabs = nullptr;
    QLabel *m_downLabel = nullptr;
    QLabel *m_infoLabel = nullptr;
    SaveCommand *m_save = nullptr;
    RestoreCommand *m_restore = nullptr;
    QString m_shownFile;    // the window's file as the title and the File menu show it
    bool m_leaving = false; // closing was agreed to already

    std::array<QAction *, menuItemCount> m_actions{};
    DisplayFont::Actions m_fontActions{};
    DisplayFont::Controls m_fontControls;
    std::array<Preset, 4> m_presets{};

    QPointer<AboutWindow> m_about;
};
