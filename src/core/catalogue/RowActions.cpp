#include "core/catalogue/RowActions.h"

#include "core/catalogue/RowAccess.h"
#include "core/catalogue/StartupData.h"

using namespace Qt::StringLiterals;

namespace RowActions {

QString descriptionText(const StartupTables &tables, int slot)
{
    const auto &lines = tables.desc.at(slot);
    return lines[0] + u"\r\n"_s + lines[1] + u"\r\n"_s + lines[2];
}

void resetRow(RowAccess &rows, const StartupTables &tables, int rowIndex)
{
    if (Catalogue::isThreeStateRow(rowIndex)) {
        const bool on = Catalogue::threeStateRow(rowIndex).reset == Catalogue::Reset::On;
        rows.select(rowIndex, on ? RowState::On : RowState::Off);
        return;
    }
    const int k = Catalogue::sliderNumber(rowIndex);
    if (const std::optional<int> value = StartupData::sliderResetValue(tables, k))
        rows.setSliderValue(k, *value);
}

void resetDirectX(RowAccess &rows)
{
    rows.selectDx(Catalogue::dxResetMember);
}

} // namespace RowActions
