#pragma once

#include "core/catalogue/StartupTables.h"

#include <QMainWindow>
#include <QPointer>

class AboutWindow;
class CatalogueTabs;
class LinePanel;
class QLabel;
class RowAccess;
class UserPrompts;

// The main window `main`: the tab strip with the catalogue, its menus and the Status Bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // dataFolder: the folder holding the data files and presets.
    MainWindow(UserPrompts &prompts, QString dataFolder, QWidget *parent = nullptr);

    // The steps of creation that follow building the controls, run before the window is first shown.
    void initialise();

    RowAccess &rows();
    CatalogueTabs *catalogueTabs() const { return m_tabs; }
    QAction *menuAction(const QString &objectName) const;
    const StartupTables &tables() const { return m_tables; }
    const QString &dataFolder() const { return m_dataFolder; }

signals:
    // The user confirmed closing: this window and every other window of the program are closing.
    void closeConfirmed();
    // Creation has reached the point where the start-up sound plays.
    void startupSoundRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createCentralArea();
    void createMenus();
    QAction *addMenuItem(QMenu *menu, const QString &objectName, const QString &caption);
    void toggleStatusBar();
    void connectCommands();
    void connectRowActions();
    void readDataFiles();
    void showAbout();
    void setClientHeight(int twips);

    UserPrompts &m_prompts;
    QString m_dataFolder;
    StartupTables m_tables;
    LinePanel *m_client = nullptr;
    CatalogueTabs *m_tabs = nullptr;
    QLabel *m_downLabel = nullptr;
    QLabel *m_infoLabel = nullptr;
    QAction *m_statusBarAction = nullptr;
    bool m_centred = false;
    QPointer<AboutWindow> m_about;
};
