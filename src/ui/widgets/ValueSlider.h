#pragma once

#include <QSlider>

// A horizontal slider that shows its variable and value ("fps_max 300") in a tooltip at its
// handle while the user drags or steps it, and when the pointer rests on it. Nothing else
// on the window changes, so the layout stays as designed.
class ValueSlider final : public QSlider {
    Q_OBJECT
public:
    // variable: the name the tooltip shows before the value; lowestCaption, if any, stands for the lowest value.
    explicit ValueSlider(QString variable, QString lowestCaption, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    void showValue();

    QString m_variable;
    QString m_lowestCaption;
};
