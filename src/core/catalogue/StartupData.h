#pragma once

#include "core/catalogue/StartupTables.h"

#include <QList>
#include <QString>

#include <optional>

// Reading the three start-up data files of the data folder into their tables.
namespace StartupData {

inline constexpr char16_t descFile[] = u"desc.cst";
inline constexpr char16_t sldefFile[] = u"sldef.cst";
inline constexpr char16_t defvalFile[] = u"defval.cst";

// Something wrong with one data file, for the user: the file's path and what is wrong with it.
struct Problem {
    QString path;
    QString what;

    bool operator==(const Problem &) const = default;
};

struct Result {
    StartupTables tables;
    QList<Problem> problems;
};

// Reads desc, sldef and defval, in that order. Whatever cannot be read leaves its entries
// empty; lines beyond a table's last entry are never read into it.
[[nodiscard]] Result readStartupTables(const QString &dataFolder);

// The reset value of a slider: its sldef entry as a whole number within its range.
std::optional<int> sliderResetValue(const StartupTables &tables, Catalogue::SettingId slider);

// The text that tells the user about the problems, one line per problem.
QString problemReport(const QList<Problem> &problems);

} // namespace StartupData
