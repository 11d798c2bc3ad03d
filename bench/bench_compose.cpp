#include "core/catalogue/StartupData.h"
#include "core/input/PresetFile.h"
#include "core/output/ConfigText.h"
#include "core/output/ValueTable.h"
#include "support/FakeRows.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString dataFolder = QStringLiteral(TUNEWICK_BUILD_DATA_DIR);

// Rows as a user leaves them: a preset applied (every row On or Off, sliders set) and a DirectX level.
FakeRows presetRows()
{
    FakeRows rows;
    const PresetFile::Parsed parsed = PresetFile::readFile(dataFolder + u"/hfps.cst"_s);
    if (const auto *steps = std::get_if<QList<PresetFile::Step>>(&parsed))
        PresetFile::apply(*steps, rows);
    else
        qFatal("cannot read the preset");
    rows.selectDx(3);
    return rows;
}

void BM_ComposeFileText(benchmark::State &state)
{
    const FakeRows rows = presetRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeFileText(rows));
}

// What the Preview command does before its window is built.
void BM_CollectAndComposePreviewText(benchmark::State &state)
{
    const FakeRows rows = presetRows();
    const StartupTables tables = StartupData::readStartupTables(dataFolder).tables;
    ValueTable table;
    for (auto _ : state) {
        collectValues(rows, tables, table);
        benchmark::DoNotOptimize(composePreviewText(table));
    }
}

} // namespace

BENCHMARK(BM_ComposeFileText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CollectAndComposePreviewText)->Unit(benchmark::kMicrosecond);
