#pragma once

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Choices.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// What each kind of value means: read from a config, written to one, and told to the player. Open,
// Update, the composers and the Open report all follow it, so a switch's "2" means the same to each.
namespace ValueRule {

// A longer value is never taken for a number.
inline constexpr qsizetype longestNumber = 64;

// What a fresh window holds: a switch in Default, a slider at its start, no DirectX level.
SettingValue initialValue(Catalogue::SettingId setting);

// What one command's value gives its setting.
struct Reading {
    std::optional<SettingValue> taken; // what the window takes; none leaves the setting as it is
    bool exact = false;                // the window then shows exactly what the file says
};

// `value` is the command's value part, one double quote off each end; `longer` says it was cut short. Any number sets a
// switch: 1 is On, anything else Off, and only 0 and 1 are shown exactly. A slider takes a number within its range,
// rounded to a whole one (halves to even); a fraction is not shown exactly. The DirectX row takes only a level it
// offers.
Reading read(Catalogue::SettingId setting, QByteArrayView value, bool longer);

// The value as a config gives it: "1" or "0", a slider's number, the level; none for a switch in
// Default and for no level, which a saved file leaves out.
std::optional<QByteArray> fileText(const SettingValue &value);

// The value as the window shows it, in words: "On", "Off", "neither On nor Off", a slider's number,
// the level's caption or "no level".
QString shownWords(const SettingValue &value);

} // namespace ValueRule
