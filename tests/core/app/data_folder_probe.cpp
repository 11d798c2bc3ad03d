// Run as if it were the program in the given folder: prints the data folder found there and
// fails unless every start-up data file reads without a problem.
#include "core/app/DataFolder.h"
#include "core/catalogue/StartupData.h"

#include <QTextStream>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const QString folder = DataFolder::locate(QString::fromLocal8Bit(argv[1]));
    QTextStream(stdout) << folder << '\n';
    const StartupData::Result read = StartupData::readStartupTables(folder);
    if (!read.problems.isEmpty()) {
        QTextStream(stderr) << StartupData::problemReport(read.problems) << '\n';
        return 1;
    }
    return 0;
}
