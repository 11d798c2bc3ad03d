#pragma once

#include "core/catalogue/StartupTables.h"

#include <QString>

class RowAccess;

// What the row labels and "D" buttons do.
namespace RowActions {

// The slot's three lines joined by CR LF, verbatim; an unfilled slot gives two line breaks.
QString descriptionText(const StartupTables &tables, int slot);

// Puts a three-state or slider row into its reset state. A slider whose sldef entry is not a
// whole number within its range stays where it is.
void resetRow(RowAccess &rows, const StartupTables &tables, int rowIndex);

// Selects DirectX 9.0.
void resetDirectX(RowAccess &rows);

} // namespace RowActions
