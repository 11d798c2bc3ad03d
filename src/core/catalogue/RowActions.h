#pragma once

#include "core/catalogue/StartupTables.h"

#include <QString>

class Choices;

// What the row labels and "D" buttons do.
namespace RowActions {

// The setting's description: its slot's three lines joined by CR LF, verbatim; an unfilled slot
// gives two line breaks.
QString descriptionText(const StartupTables &tables, Catalogue::SettingId setting);

// Puts a setting into its reset state: a switch On or Off, a slider to its sldef entry, the DirectX
// row to DirectX 9.0. A slider whose sldef entry is not a whole number within its range stays where
// it is.
void reset(Choices &choices, const StartupTables &tables, Catalogue::SettingId setting);

} // namespace RowActions
