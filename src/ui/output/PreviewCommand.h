#pragma once

#include "ui/output/PreviewWindow.h"

#include <QObject>
#include <QPointer>

class CurrentChoices;
struct StartupTables;

// Options, Preview: shows the preview window with the text of the current choices, in the window
// already open if there is one: its old text would show values the player no longer has.
class PreviewCommand : public QObject {
    Q_OBJECT
public:
    PreviewCommand(const CurrentChoices &choices, const StartupTables &tables, QObject *parent = nullptr);
    ~PreviewCommand() override;

    void run();

private:
    const CurrentChoices &m_choices;
    const StartupTables &m_tables;
    QPointer<PreviewWindow> m_window;
};
