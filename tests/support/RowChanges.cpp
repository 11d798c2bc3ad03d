#include "support/RowChanges.h"

#include "catalogue/Catalogue.h"

using namespace Qt::StringLiterals;

FakeRows rowsWith(const RowChanges &changes)
{
    FakeRows rows;
    for (const RowChange &change : changes) {
        if (change.row == RowChange::dxRow)
            rows.selectDx(change.value);
        else if (Catalogue::isSliderRow(change.row))
            rows.setSliderValue(Catalogue::sliderNumber(change.row), change.value);
        else
            rows.select(change.row, change.value == 1 ? RowState::On : RowState::Off);
    }
    return rows;
}

QStringList changedRows(const RowAccess &rows)
{
    const FakeRows start;
    QStringList changed;
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        if (rows.rowState(row) != start.rowState(row))
            changed << u"%1=%2"_s.arg(rows.caption(row), rows.rowState(row) == RowState::On ? u"On"_s : u"Off"_s);
    }
    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        if (rows.sliderValue(k) != start.sliderValue(k))
            changed << u"%1=%2"_s.arg(rows.caption(Catalogue::firstSliderRow + k)).arg(rows.sliderValue(k));
    }
    if (rows.selectedDx())
        changed << u"%1=%2"_s.arg(rows.dxCaption()).arg(Catalogue::dxLevels.at(*rows.selectedDx()));
    return changed;
}
