#pragma once

#include "core/input/ConfigReader.h"

#include <QList>
#include <QString>

// What Open could not take from a config: the settings whose value in the file the window cannot
// show, judged by the command that takes effect and by its number rather than its spelling.
namespace OpenReport {

struct Unshown {
    int setting;
    QString fileText; // the value as the file gives it
    QString shown;    // what the window shows instead
};

using LastValues = std::array<std::optional<ConfigReader::LastValue>, Catalogue::settingCount>;

// A slider value outside its range or with a fraction, a switch number other than 0 or 1, a DirectX
// level the row does not offer, and any value that is not a number; in the catalogue's order.
QList<Unshown> unshownValues(const LastValues &lastValues, const Choices &opened);

// The settings the file gives a value, whether the window can show it or not.
int settingsRead(const LastValues &lastValues);

// The text of the box that tells the player about `unshown`, naming the file.
QString text(const QString &shownName, int settingsRead, const QList<Unshown> &unshown);

} // namespace OpenReport
