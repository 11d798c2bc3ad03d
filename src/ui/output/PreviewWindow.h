#pragma once

#include "ui/widgets/LinePanel.h"

class QPlainTextEdit;
class QPushButton;

// The window `preview`: the preview text of the choices in a borderless window with a drawn frame.
// The text can be edited but goes nowhere.
class PreviewWindow : public LinePanel {
    Q_OBJECT
public:
    explicit PreviewWindow(const QString &text);

    QPlainTextEdit *textBox() const { return m_text; }
    QPushButton *closeButton() const { return m_close; }

private:
    QPlainTextEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
};
