#pragma once

#include "ui/widgets/LinePanel.h"

class QPlainTextEdit;
class QPushButton;

// The preview window: the preview text of the choices in a borderless window with a drawn frame.
// The text can be edited but goes nowhere. Close and Escape close it.
class PreviewWindow : public LinePanel {
    Q_OBJECT
public:
    explicit PreviewWindow(const QString &text);

    // Replaces the text, whatever was typed into it, and shows its start.
    void showText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPlainTextEdit *m_text = nullptr;
};
