#pragma once

#include <QWidget>

class QTimer;

// The splash window: product name, logo and version, shown once at start. It hands
// over to the main window after 1.5 s, or at the first click on it or the first key that
// types a character, whichever comes first.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

    static constexpr int handOverMs = 1500;

signals:
    // The splash has closed itself; the main window takes over. Emitted once.
    void finished();
    // The splash was closed from outside (the window manager) before handing over: no main
    // window follows, so the program has nothing left to show.
    void dismissed();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void handOver();

    QTimer *m_timer;
    bool m_handedOver = false;
};
