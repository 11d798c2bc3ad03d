#include "ui/app/MainWindow.h"

#include "core/app/BuildInfo.h"
#include "core/app/ProgramVersion.h"
#include "core/catalogue/StartupData.h"
#include "core/input/GameConfigFolder.h"
#include "core/output/Backups.h"
#include "ui/CurrentChoices.h"
#include "ui/UserPrompts.h"
#include "ui/app/AboutWindow.h"
#include "ui/app/DisplayFont.h"
#include "ui/catalogue/CatalogueLayout.h"
#include "ui/catalogue/CatalogueTabs.h"
#include "ui/input/NewForm.h"
#include "ui/input/OpenCommand.h"
#include "ui/input/PresetCommands.h"
#include "ui/output/PreviewCommand.h"
#include "ui/output/RestoreCommand.h"
#include "ui/output/SaveCommand.h"
#include "ui/update/UpdateCommand.h"
#include "ui/widgets/DesignFont.h"
#include "ui/widgets/LinePanel.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProcessEnvironment>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int clientWidth = 6735;
constexpr int clientHeight = 8415;
constexpr int statusBarCut = 975; // the description area and its frame

// The Status Bar's text is also its accessible description: the label keeps its name, and a
// screen reader hears each new text through the description-changed event this raises.
void showInStatusBar(QLabel &label, const QString &text)
{
    label.setText(text);
    label.setAccessibleDescription(text);
}

QString logoText()
{
    return u"Tunewick still needs a logo, so if you would like to make one, please send it to "_s
           + QString::fromUtf8(BuildInfo::contactEmail) + u"\r\nThanks! Your help is very appreciated!"_s;
}

} // namespace

MainWindow::MainWindow(UserPrompts &prompts, QString dataFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_prompts(prompts)
    , m_dataFolder(std::move(dataFolder))
    , m_choices(new CurrentChoices(this))
{
    setObjectName(u"main"_s);
    centreWhenFirstShown(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DesignFont::arial());
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor::fromRgb(CatalogueLayout::windowGrey));
    setPalette(grey);

    createCentralArea();
    createMenus();
    addShortcuts();
    connectMenus();
    // The tab strip, the version line and the Status Bar take the display face, as do some of the
    // catalogue's controls; the menu bar keeps its face, which it would otherwise take from the window.
    m_fontControls = {{m_tabs, m_downLabel, m_infoLabel}, {menuBar()}};
    m_fontControls.following << m_tabs->displayFaceControls();
    m_fontControls.keeping << m_tabs->ownFaceControls();
    // The window takes exactly the size of its client area and menu bar; the user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::createCentralArea()
{
    m_client = new LinePanel(this);
    m_client->setObjectName(u"client"_s);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    m_tabs = new CatalogueTabs(*m_choices, m_tables, m_client);
    m_tabs->setGeometry(Twips::rect(CatalogueLayout::stripLeft, CatalogueLayout::stripTop, CatalogueLayout::stripWidth,
                                    CatalogueLayout::stripHeight));

    m_downLabel = new QLabel(m_client);
    m_downLabel->setObjectName(u"downlabel"_s);
    m_downLabel->setTextFormat(Qt::PlainText);
    m_downLabel->setAlignment(Qt::AlignCenter);
    m_downLabel->setGeometry(Twips::rect(210, 7140, 6315, 225));

    m_infoLabel = new QLabel(m_client);
    m_infoLabel->setObjectName(u"infolbl"_s);
    m_infoLabel->setTextFormat(Qt::PlainText);
    m_infoLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_infoLabel->setAccessibleName(u"Description"_s);
    m_infoLabel->setWordWrap(true);
    m_infoLabel->setGeometry(Twips::rect(0, 7455, clientWidth, 960));

    m_client->addLine(0, 7445, 6720, 7445);
    m_client->addLine(0, 7455, 0, 8400);
    m_client->addLine(6720, 7455, 6720, 8400);
    m_client->addLine(0, 8400, 6720, 8400);

    setClientHeight(clientHeight);
    connect(m_tabs, &CatalogueTabs::describing, this,
            [this](const QString &description) { showInStatusBar(*m_infoLabel, description); });
}

// Names a menu item's action, made by its menu, and holds it under its key.
QAction *MainWindow::hold(MenuItem item, const QString &objectName, QAction *action)
{
    action->setObjectName(objectName);
    m_actions.at(static_cast<std::size_t>(item)) = action;
    return action;
}

void MainWindow::createMenus()
{
    using enum MenuItem;
    QMenuBar *bar = menuBar();

    QMenu *file = bar->addMenu(u"&File"_s);
    file->setObjectName(u"file"_s);
    hold(New, u"new"_s, file->addAction(u"New"_s));
    hold(Open, u"open"_s, file->addAction(u"Open"_s));
    hold(Save, u"inst"_s, file->addAction(u"Save"_s));
    hold(RestoreBackup, u"restore"_s, file->addAction(u"Restore Backup\u2026"_s))->setEnabled(false);
    hold(Exit, u"exit"_s, file->addAction(u"Exit"_s));

    QMenu *edit = bar->addMenu(u"&Edit"_s);
    edit->setObjectName(u"edit"_s);
    hold(Undo, u"undo"_s, edit->addAction(QString()));
    hold(Redo, u"redo"_s, edit->addAction(QString()));
    nameUndoSteps();

    QMenu *options = bar->addMenu(u"&Options"_s);
    options->setObjectName(u"opt"_s);
    constexpr auto fontItems = std::to_array({FontArial, FontTimes, FontCourier});
    static_assert(fontItems.size() == DisplayFont::items.size());
    for (std::size_t i = 0; i < fontItems.size(); ++i) {
        const DisplayFont::Item &item = DisplayFont::items[i];
        m_fontActions[i] = hold(fontItems[i], QString::fromUtf16(item.actionName),
                                options->addAction(QString::fromUtf16(item.caption)));
        m_fontActions[i]->setCheckable(true);
    }
    // A divider drawn as text: an ordinary item that does nothing.
    options->addAction(u"--------------"_s)->setObjectName(u"err"_s);
    hold(Preview, u"prv"_s, options->addAction(u"Preview"_s));
    hold(StatusBar, u"statbar"_s, options->addAction(u"Status Bar"_s))->setCheckable(true);

    hold(Update, u"update"_s, bar->addAction(u"Update"_s));

    QMenu *presets = bar->addMenu(u"&Presets"_s);
    presets->setObjectName(u"presets"_s);
    // Each preset's file in the data folder is named after its menu item.
    m_presets = {{
        {hold(HighQuality, u"highq"_s, presets->addAction(u"High Quality"_s)), u"highq.cst"},
        {hold(DefaultPreset, u"defq"_s, presets->addAction(u"Default"_s)), u"defq.cst"},
        {hold(HighFps, u"hfps"_s, presets->addAction(u"High FPS"_s)), u"hfps.cst"},
        {hold(DieHardFps, u"dhfps"_s, presets->addAction(u"Die Hard FPS"_s)), u"dhfps.cst"},
    }};

    hold(About, u"about"_s, bar->addAction(u"&About"_s));
}

void MainWindow::addShortcuts()
{
    using enum MenuItem;
    // The platform's own keys, shown beside the captions; each presses the very item it names.
    action(New)->setShortcuts(QKeySequence::New);
    action(Open)->setShortcuts(QKeySequence::Open);
    action(Save)->setShortcuts(QKeySequence::Save);
    action(Exit)->setShortcuts(QKeySequence::Quit);
    action(Undo)->setShortcuts(QKeySequence::Undo);
    action(Redo)->setShortcuts(QKeySequence::Redo);
    if (action(Exit)->shortcuts().isEmpty()) // Windows, and some X11 desktops, bind nothing to Quit
        action(Exit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // No platform binds this one (Ctrl+P prints, F5 refreshes).
    action(Preview)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
}

// Every menu item is connected here. The commands live in objects of their own, owned by this
// window; File, New is for whoever owns the windows, since it replaces this one.
void MainWindow::connectMenus()
{
    using enum MenuItem;
    connect(action(New), &QAction::triggered, this, &MainWindow::newFormRequested);
    // The config dialogs first open in the game's own config folder, looked up as they open.
    const StartFolderLookup gameConfigFolder = [] {
        return GameConfigFolder::find(QDir::homePath(), QProcessEnvironment::systemEnvironment());
    };
    auto *open = new OpenCommand(m_prompts, *m_choices, this, gameConfigFolder,
                                 [this] { return settleUnsavedChanges(u"Open a config"_s); });
    connect(action(Open), &QAction::triggered, open, &OpenCommand::run);
    const QString backups = Backups::rootFolder(QProcessEnvironment::systemEnvironment(), QDir::homePath());
    m_save = new SaveCommand(m_prompts, *m_choices, this, backups, gameConfigFolder);
    connect(action(Save), &QAction::triggered, m_save, &SaveCommand::run);
    m_restore = new RestoreCommand(
        m_prompts, *m_choices, this, backups, [this] { return settleUnsavedChanges(u"Restore Backup"_s); },
        [open](const QString &path, const QString &step) { return open->openFile(path, step); });
    connect(action(RestoreBackup), &QAction::triggered, m_restore, &RestoreCommand::run);
    // A save or a restore may have made a copy; the window's file may change with any step.
    const auto tell = [this](const QString &text) {
        showInStatusBar(*m_infoLabel, text);
        action(RestoreBackup)->setEnabled(m_restore->available());
    };
    connect(m_save, &SaveCommand::told, this, tell);
    connect(m_restore, &RestoreCommand::told, this, tell);
    connect(m_choices, &CurrentChoices::changed, this, &MainWindow::showFileInTitle);
    connect(action(Exit), &QAction::triggered, this, &QWidget::close);
    connect(action(Undo), &QAction::triggered, m_choices, &CurrentChoices::undo);
    connect(action(Redo), &QAction::triggered, m_choices, &CurrentChoices::redo);
    connect(m_choices, &CurrentChoices::changed, this, &MainWindow::nameUndoSteps);
    for (std::size_t i = 0; i < m_fontActions.size(); ++i) {
        connect(m_fontActions[i], &QAction::triggered, this,
                [this, i] { DisplayFont::apply(*this, m_fontControls, m_fontActions, i); });
    }
    connect(action(Preview), &QAction::triggered, new PreviewCommand(*m_choices, m_tables, this), &PreviewCommand::run);
    connect(action(StatusBar), &QAction::triggered, this, &MainWindow::toggleStatusBar);
    auto *updater = new UpdateCommand(m_prompts, this);
    connect(action(Update), &QAction::triggered, updater, &UpdateCommand::run);
    // A check can take a minute: the window shows it is busy, and the item waits for the answer.
    connect(updater, &UpdateCommand::runningChanged, this, [this](bool running) {
        action(Update)->setEnabled(!running);
        if (running)
            setCursor(Qt::BusyCursor);
        else
            unsetCursor();
    });
    auto *presets = new PresetCommands(m_prompts, *m_choices, m_dataFolder, this);
    for (const Preset &preset : m_presets) {
        connect(preset.action, &QAction::triggered, presets, [presets, preset] {
            // The box is titled with the preset's own caption, without its menu accelerator.
            presets->apply(preset.action->text().remove(u'&'), QString::fromUtf16(preset.fileName));
        });
    }
    connect(action(About), &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::showAbout()
{
    // One about window at a time; asking again brings it to the front.
    if (!m_about)
        m_about = new AboutWindow;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::initialise()
{
    // The window is not shown yet, so the box stands on its own.
    m_prompts.inform(nullptr, u"Logo"_s, logoText());
    showFileInTitle();
    m_downLabel->setText(ProgramVersion::current().titleText());
    showInStatusBar(*m_infoLabel, u"Command: (cvar name here)\r\nDescription: (description here)"_s);
    action(MenuItem::StatusBar)->setChecked(true);
    m_fontActions[0]->setChecked(true);
    readDataFiles();
    emit startupSoundRequested();
}

void MainWindow::readDataFiles()
{
    StartupData::Result read = StartupData::readStartupTables(m_dataFolder);
    m_tables = std::move(read.tables);
    m_tabs->describeNames();
    if (!read.problems.isEmpty())
        m_prompts.inform(nullptr, u"Data files"_s, StartupData::problemReport(read.problems));
}

// Each item names the step it takes back or does again, and is greyed when there is none.
void MainWindow::nameUndoSteps()
{
    const ChoicesHistory &history = m_choices->history();
    const auto name = [](QAction *action, const QString &verb, const QString &step) {
        action->setText(step.isEmpty() ? verb : verb + u' ' + step);
        action->setEnabled(!step.isEmpty());
    };
    name(action(MenuItem::Undo), u"&Undo"_s, history.undoName());
    name(action(MenuItem::Redo), u"&Redo"_s, history.redoName());
}

void MainWindow::toggleStatusBar()
{
    // The action has already flipped its check mark; it records whether the bar is shown.
    const bool shown = action(MenuItem::StatusBar)->isChecked();
    m_infoLabel->setVisible(shown);
    setClientHeight(shown ? clientHeight : clientHeight - statusBarCut);
}

void MainWindow::setClientHeight(int twips)
{
    m_client->setFixedSize(Twips::toPixels(clientWidth), Twips::toPixels(twips));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    const QString title = u"Finished?"_s;
    const bool agreed =
        std::exchange(m_leaving, false)
        || (m_choices->hasUnsavedChanges() ? settleUnsavedChanges(title)
                                           : m_prompts.askYesNo(this, title, u"Are you sure you want to exit?"_s));
    if (!agreed) {
        event->ignore();
        return;
    }
    event->accept();
    emit closeConfirmed();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

bool MainWindow::confirmNew()
{
    if (!m_choices->hasUnsavedChanges())
        return NewForm::confirm(m_prompts, this);
    m_leaving = settleUnsavedChanges(u"New file"_s);
    return m_leaving;
}

bool MainWindow::settleUnsavedChanges(const QString &title)
{
    if (!m_choices->hasUnsavedChanges())
        return true;
    const QString file = QFileInfo(m_choices->file().path).fileName();
    const QString text = file.isEmpty() ? u"The settings set in this window are not saved. Save them first?"_s
                                        : u"%1 has changes that are not saved. Save them first?"_s.arg(file);
    switch (m_prompts.askSaveChanges(this, title, text)) {
    case UserPrompts::UnsavedAnswer::Save:
        return m_save->run();
    case UserPrompts::UnsavedAnswer::Discard:
        return true;
    case UserPrompts::UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

// "autoexec.cfg* - Tunewick 1.5" while a file has unsaved changes; the version alone without a file.
void MainWindow::showFileInTitle()
{
    const QString version = ProgramVersion::current().titleText();
    const QString &file = m_choices->file().path;
    // The copies are looked up when the file changes, not at every edit.
    if (file != m_shownFile) {
        m_shownFile = file;
        action(MenuItem::RestoreBackup)->setEnabled(m_restore->available());
    }
    setWindowTitle(file.isEmpty() ? version : QFileInfo(file).fileName() + u"[*] - "_s + version);
    setWindowModified(!file.isEmpty() && m_choices->hasUnsavedChanges());
}
