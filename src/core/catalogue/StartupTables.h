#pragma once

#include "core/catalogue/Catalogue.h"

#include <QString>

#include <array>

// The tables the main window reads from its data folder each time it is created.
struct StartupTables {
    static constexpr int descLines = 3;
    static constexpr int defvalEntries = 45;

    // Three lines per description slot.
    std::array<std::array<QString, descLines>, Catalogue::descriptionSlotCount> desc;
    // Reset value text of each slider, at its setting's place.
    std::array<QString, Catalogue::settingCount> sldef;
    // Value text of three-state row i while it is in Default (entries 0..36 are used).
    std::array<QString, defvalEntries> defval;
};
