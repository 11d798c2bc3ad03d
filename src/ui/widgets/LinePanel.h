#pragma once

#include <QLine>
#include <QWidget>

#include <vector>

// A plain widget that draws one-pixel lines, given in twips, in the window text colour.
class LinePanel : public QWidget {
    Q_OBJECT
public:
    explicit LinePanel(QWidget *parent = nullptr);

    void addLine(int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<QLine> m_lines;
};
