#pragma once

#include "core/catalogue/Choices.h"

#include <QObject>

// The choices one main window shows. The controls report each edit here, the commands read the
// value and put new values here, and every change is told to whoever shows it.
class CurrentChoices : public QObject {
    Q_OBJECT
public:
    explicit CurrentChoices(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    const Choices &value() const { return m_value; }
    // Takes the new value; only an actual change is told.
    void set(const Choices &value)
    {
        if (value == m_value)
            return;
        m_value = value;
        emit changed();
    }

signals:
    void changed();

private:
    Choices m_value;
};
