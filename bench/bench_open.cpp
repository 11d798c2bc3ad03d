#include "ConfigGenerator.h"

#include "core/catalogue/Choices.h"
#include "core/input/ConfigReader.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 configBytes = 50'000'000;

// Written once, at the first benchmark that needs it; removed when the program ends.
const QString &bigConfigPath()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(u"big.cfg"_s);
        if (!folder.isValid() || !ConfigGenerator::writeRealisticConfig(file, configBytes))
            qFatal("cannot write the config to read");
        return file;
    }();
    return path;
}

// Megabytes (10^6 bytes) of the file per second of CPU time, shown as "MB .../s".
void countMegabytes(benchmark::State &state, qint64 fileSize)
{
    state.counters["MB"] =
        benchmark::Counter(double(fileSize) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_OpenConfig(benchmark::State &state)
{
    const QString path = bigConfigPath();
    Choices rows;
    for (auto _ : state) {
        if (!ConfigReader(rows).readFile(path))
            state.SkipWithError("cannot open the config");
    }
    benchmark::DoNotOptimize(rows);
    countMegabytes(state, QFileInfo(path).size());
}

// The least a reader by lines does: every line read, none looked at.
void BM_ReadLinesOnly(benchmark::State &state)
{
    QFile file(bigConfigPath());
    for (auto _ : state) {
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the config");
        while (!file.atEnd())
            benchmark::DoNotOptimize(file.readLine());
        file.close();
    }
    countMegabytes(state, file.size());
}

// The bytes alone, in the chunks the reader takes them in.
void BM_ReadChunksOnly(benchmark::State &state)
{
    QFile file(bigConfigPath());
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (auto _ : state) {
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the config");
        while (file.read(chunk.data(), chunk.size()) > 0)
            benchmark::DoNotOptimize(chunk);
        file.close();
    }
    countMegabytes(state, file.size());
}

} // namespace

BENCHMARK(BM_OpenConfig)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ReadLinesOnly)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ReadChunksOnly)->Unit(benchmark::kMillisecond)->MinTime(3);
