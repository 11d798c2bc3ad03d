#pragma once

#include "catalogue/RowAccess.h"
#include "support/FakeRows.h"

#include <QList>
#include <QMetaType>
#include <QStringList>

// A change from the window's initial state, for writing expected row states compactly.
struct RowChange {
    static constexpr int dxRow = -1;
    int row; // three-state row 0..36 (value 1 On, 0 Off), slider row 90..103 (its value), or dxRow (member)
    int value;
};
using RowChanges = QList<RowChange>;
Q_DECLARE_METATYPE(RowChanges)

// Initial rows with the changes made.
FakeRows rowsWith(const RowChanges &changes);

// Every row that differs from the initial state, as "name=state", in row order; the DirectX row
// last. Two rows are in the same state exactly when these lists are equal.
QStringList changedRows(const RowAccess &rows);
