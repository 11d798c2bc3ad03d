#include "core/input/GameConfigFolder.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// The lookup as a config dialog makes it before it opens, in the home folder of whoever runs this.
void BM_FindGameConfigFolder(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(GameConfigFolder::find(QDir::homePath(), QProcessEnvironment::systemEnvironment()));
}

// A home folder as Steam lays it out, the game in a second library named by the library list:
// every Steam folder is searched and the list is read.
void BM_FindGameConfigFolderInSecondLibrary(benchmark::State &state)
{
    QTemporaryDir home;
    const QDir made(home.path());
    const QString steam = made.filePath(u".local/share/Steam"_s);
    const QString library = made.filePath(u"games"_s);
    QFile list(steam + u'/' + QString::fromUtf16(GameConfigFolder::libraryList));
    const QByteArray text =
        u"\"libraryfolders\" { \"0\" { \"path\" \"%1\" } \"1\" { \"path\" \"%2\" } }"_s.arg(steam, library).toUtf8();
    if (!made.mkpath(library + u'/' + QString::fromUtf16(GameConfigFolder::inLibrary))
        || !made.mkpath(steam + u"/steamapps"_s) || !made.mkpath(u".steam"_s)
        || !QFile::link(steam, made.filePath(u".steam/steam"_s)) || !QFile::link(steam, made.filePath(u".steam/root"_s))
        || !list.open(QIODevice::WriteOnly) || list.write(text) != text.size())
        state.SkipWithError("cannot lay out the home folder");
    list.close();
    const QProcessEnvironment environment;
    for (auto _ : state) {
        if (GameConfigFolder::find(home.path(), environment).isEmpty())
            state.SkipWithError("the game was not found");
    }
}

} // namespace

BENCHMARK(BM_FindGameConfigFolder)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindGameConfigFolderInSecondLibrary)->Unit(benchmark::kMicrosecond);
