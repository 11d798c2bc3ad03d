#include "core/output/ValueTable.h"

#include "core/catalogue/RowAccess.h"
#include "core/catalogue/StartupTables.h"

ValueTable &vars()
{
    static ValueTable table;
    return table;
}

QString valueText(const ConfigValue &value)
{
    struct Visitor {
        QString operator()(std::monostate) const { return {}; }
        // QString::number never groups digits nor follows the user's locale.
        QString operator()(std::int16_t number) const { return QString::number(number); }
        QString operator()(std::int32_t number) const { return QString::number(number); }
        QString operator()(const QString &text) const { return text; }
    };
    return std::visit(Visitor{}, value);
}

void collectValues(const RowAccess &rows, const StartupTables &tables, ValueTable &table)
{
    for (int row = 0; row < Catalogue::threeStateCount; ++row) {
        switch (rows.rowState(row)) {
        case RowState::On:
            table.cvarvalue[row] = std::int16_t{1};
            break;
        case RowState::Off:
            table.cvarvalue[row] = std::int16_t{0};
            break;
        case RowState::Default:
            table.cvarvalue[row] = tables.defval[row];
            break;
        }
    }

    // Level 90 stands in for "no level chosen" as well as for DirectX 9.0 itself.
    const std::optional<int> dx = rows.selectedDx();
    const int level = dx ? Catalogue::dxLevels[*dx] : Catalogue::dxLevels[Catalogue::dxResetMember];
    table.cvarvalue[ValueTable::dxEntry] = static_cast<std::int16_t>(level);

    for (int row = 0; row < Catalogue::threeStateCount; ++row)
        table.cvarname[row] = rows.caption(row);
    table.cvarname[ValueTable::dxEntry] = rows.dxCaption();

    for (int k = 0; k < Catalogue::sliderCount; ++k) {
        table.slidervalue[k] = static_cast<std::int32_t>(rows.sliderValue(k));
        table.slidername[k] = rows.caption(Catalogue::firstSliderRow + k);
    }
}
