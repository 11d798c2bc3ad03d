#pragma once

#include "core/catalogue/Catalogue.h"

#include <QString>

#include <array>
#include <cstdint>
#include <variant>

class RowAccess;
struct StartupTables;

// One entry of the value table: empty until first written, then an integer or a text.
using ConfigValue = std::variant<std::monostate, std::int16_t, std::int32_t, QString>;

// The values the Preview command collects from the rows for the preview window.
struct ValueTable {
    static constexpr int dxEntry = Catalogue::threeStateCount; // the mat_dxlevel entry
    static constexpr int cvarCount = Catalogue::threeStateCount + 1;

    // Entries 0..36 belong to the three-state row of the same index; entry 37 to the DirectX row.
    std::array<ConfigValue, cvarCount> cvarname;
    std::array<ConfigValue, cvarCount> cvarvalue;
    // Entry k belongs to slider row 90 + k.
    std::array<ConfigValue, Catalogue::sliderCount> slidername;
    std::array<ConfigValue, Catalogue::sliderCount> slidervalue;
};

// The value table of the running program. Only the Preview command writes it and only the
// preview window reads it; it is never cleared.
ValueTable &vars();

// An entry as the config text writes it: integers in plain decimal, texts unchanged, empty as nothing.
QString valueText(const ConfigValue &value);

// Overwrites every entry of `table` from the current rows. A row in Default takes its text from
// `tables.defval`; no selected DirectX level counts as level 90.
void collectValues(const RowAccess &rows, const StartupTables &tables, ValueTable &table);
