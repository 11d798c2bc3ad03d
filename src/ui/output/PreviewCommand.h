#pragma once

#include "ui/output/PreviewWindow.h"

#include <QObject>
#include <QPointer>

class RowAccess;
struct StartupTables;

// Options, Preview: collects the rows into the value table and opens the preview window, or
// brings forward the one already open (which keeps the text it was opened with).
class PreviewCommand : public QObject {
    Q_OBJECT
public:
    PreviewCommand(const RowAccess &rows, const StartupTables &tables, QObject *parent = nullptr);
    ~PreviewCommand() override;

    void run();
    PreviewWindow *window() const { return m_window; }

private:
    const RowAccess &m_rows;
    const StartupTables &m_tables;
    QPointer<PreviewWindow> m_window;
};
