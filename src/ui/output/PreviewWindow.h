#pragma once

#include "ui/widgets/LinePanel.h"

class QPlainTextEdit;
class QPushButton;
struct ValueTable;

// The window `preview`: the preview text of the value table in a borderless window with a drawn
// frame. The text can be edited but goes nowhere.
class PreviewWindow : public LinePanel {
    Q_OBJECT
public:
    // Composes the text from `values` once, now; the window never recomposes it.
    explicit PreviewWindow(const ValueTable &values);

    QPlainTextEdit *textBox() const { return m_text; }
    QPushButton *closeButton() const { return m_close; }

private:
    QPlainTextEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
};
