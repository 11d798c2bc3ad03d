#pragma once

#include "core/catalogue/Choices.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <variant>

// A preset file: up to 51 items separated by commas or line ends. The items set every setting but the
// DirectX level, in the catalogue's order: the 37 switches, then the 14 sliders. An item's last
// character is its kind digit: 1 selects On, 3 selects Off, 2 sets the slider to 0, any other digit
// sets the slider to the number after the item's first "." (or to the whole item when it has none).
// An item with nothing but blanks, or "", leaves its setting as it is: a preset sets only what it
// means to.
namespace PresetFile {

inline constexpr int itemCount = 37 + 14;
// Larger files are no preset: 51 items take a few hundred bytes.
inline constexpr qint64 maxFileSize = qint64{64} * 1024;

// What one item does.
struct Step {
    Catalogue::SettingId setting;
    SettingValue value; // a switch On or Off, or a slider's value
};

// Why a file was not applied. `item` counts from 0; -1 when the problem is the file as a whole.
struct Problem {
    int item = -1;
    QString text; // a sentence for the user, naming the item
};

using Parsed = std::variant<QList<Step>, Problem>;

// Checks the whole text before anything is applied: a file with any fault gives no steps at all.
[[nodiscard]] Parsed parse(QByteArrayView text);
[[nodiscard]] Parsed readFile(const QString &path);

// Sets the settings the steps cover; every other setting, and the DirectX level, keep their state.
// Slider values outside a slider's range end at the nearest end of it.
void apply(const QList<Step> &steps, Choices &choices);

} // namespace PresetFile
