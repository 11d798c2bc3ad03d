#pragma once

#include <QDialog>

// The about window: product name, version, credit line and contact request.
// Modeless; OK, Enter, Esc and the close button close and destroy it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
