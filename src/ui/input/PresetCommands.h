#pragma once

#include <QObject>

class MainWindow;
class UserPrompts;

// The Presets menu: each item applies its file from the data folder. A file that is missing or
// not well formed changes nothing, and one message says which file, which item and why.
class PresetCommands : public QObject {
    Q_OBJECT
public:
    PresetCommands(MainWindow &window, UserPrompts &prompts);

    // objectName: the menu item (highq, defq, hfps, dhfps); fileName: its file in the data folder.
    void apply(const QString &objectName, const QString &fileName);

private:
    MainWindow &m_window;
    UserPrompts &m_prompts;
};
