#pragma once

#include <QObject>
#include <QString>

class CurrentChoices;
class QWidget;
class UserPrompts;

// The Presets menu: each item applies its file from the data folder. A file that is missing or
// not well formed changes nothing, and one message says which file, which item and why.
class PresetCommands : public QObject {
    Q_OBJECT
public:
    // window: the parent of the message and of this command.
    PresetCommands(UserPrompts &prompts, CurrentChoices &choices, QString dataFolder, QWidget *window);

    // caption: the menu item's text, the title of a message; fileName: its file in the data folder.
    void apply(const QString &caption, const QString &fileName);

private:
    UserPrompts &m_prompts;
    CurrentChoices &m_choices;
    QString m_dataFolder;
    QWidget *m_window;
};
