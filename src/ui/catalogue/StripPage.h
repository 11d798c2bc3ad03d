#pragma once

#include <QWidget>

class LinePanel;

// One page of the tab strip. Its controls are placed on a canvas the size of the whole strip,
// shifted so that positions measured from the strip's corner land where they belong whatever
// height the style gives the tab row.
class StripPage : public QWidget {
    Q_OBJECT
public:
    explicit StripPage(QWidget *parent = nullptr);

    LinePanel *canvas() const { return m_canvas; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void alignCanvas();

    LinePanel *m_canvas;
};
