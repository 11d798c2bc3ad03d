#pragma once

#include "ui/output/PreviewWindow.h"

#include <QObject>
#include <QPointer>

class CurrentChoices;
struct StartupTables;

// Options, Preview: opens the preview window with the text of the current choices, or brings
// forward the one already open (which keeps the text it was opened with).
class PreviewCommand : public QObject {
    Q_OBJECT
public:
    PreviewCommand(const CurrentChoices &choices, const StartupTables &tables, QObject *parent = nullptr);
    ~PreviewCommand() override;

    void run();
    PreviewWindow *window() const { return m_window; }

private:
    const CurrentChoices &m_choices;
    const StartupTables &m_tables;
    QPointer<PreviewWindow> m_window;
};
