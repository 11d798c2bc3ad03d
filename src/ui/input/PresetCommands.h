#pragma once

#include <QObject>
#include <QString>

class QWidget;
class RowAccess;
class UserPrompts;

// The Presets menu: each item applies its file from the data folder. A file that is missing or
// not well formed changes nothing, and one message says which file, which item and why.
class PresetCommands : public QObject {
    Q_OBJECT
public:
    // window: the parent of the message and of this command.
    PresetCommands(UserPrompts &prompts, RowAccess &rows, QString dataFolder, QWidget *window);

    // caption: the menu item's text, the title of a message; fileName: its file in the data folder.
    void apply(const QString &caption, const QString &fileName);

private:
    UserPrompts &m_prompts;
    RowAccess &m_rows;
    QString m_dataFolder;
    QWidget *m_window;
};
