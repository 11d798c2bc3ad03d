#pragma once

#include "core/input/ConfigReader.h"

#include <QList>
#include <QString>

// What Open could not take from a config exactly: the settings whose value in the file the window
// cannot show, judged by the command that takes effect.
namespace OpenReport {

struct Unshown {
    Catalogue::SettingId setting;
    QString fileText; // the value as the file gives it
    QString shown;    // what the window shows instead
};

// In the catalogue's order.
QList<Unshown> unshownValues(const ConfigReader::LastValues &lastValues, const Choices &opened);

// The settings the file gives a value, whether the window can show it or not.
int settingsRead(const ConfigReader::LastValues &lastValues);

} // namespace OpenReport
