#pragma once

#include <QString>

namespace DataFolder {

// The data folder of a program whose file lies in programFolder: "data" beside the program,
// or, for an installed program, the data folder installed with it. When neither
// exists, the one beside the program, so that a report of missing files names it.
QString locate(const QString &programFolder);

} // namespace DataFolder
