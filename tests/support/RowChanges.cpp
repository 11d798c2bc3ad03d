#include "support/RowChanges.h"

#include "core/catalogue/Catalogue.h"
#include "support/FakeRows.h"

using namespace Qt::StringLiterals;

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
