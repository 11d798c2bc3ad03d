#pragma once

#include "core/catalogue/RowAccess.h"

#include <QStringList>

// Every row that differs from the window's initial state, as "name=state", in row order; the
// DirectX row last. Two rows are in the same state exactly when these lists are equal.
QStringList changedRows(const RowAccess &rows);
