#include "core/catalogue/StartupData.h"
#include "core/input/PresetFile.h"
#include "core/output/ConfigText.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

const QString dataFolder = QStringLiteral(TUNEWICK_BUILD_DATA_DIR);

// Choices as a user leaves them: a preset applied (every switch On or Off, sliders set) and a DirectX level.
Choices presetChoices()
{
    Choices rows;
    const PresetFile::Parsed parsed = PresetFile::readFile(dataFolder + u"/hfps.cst"_s);
    if (const auto *steps = std::get_if<QList<PresetFile::Step>>(&parsed))
        PresetFile::apply(*steps, rows);
    else
        qFatal("cannot read the preset");
    rows.setDxLevel(80);
    return rows;
}

void BM_ComposeFileText(benchmark::State &state)
{
    const Choices rows = presetChoices();
    for (auto _ : state)
        benchmark::DoNotOptimize(composeFileText(settingLinesSetInWindow(rows)));
}

// What the Preview command does before its window is built.
void BM_ComposePreviewText(benchmark::State &state)
{
    const Choices rows = presetChoices();
    const StartupTables tables = StartupData::readStartupTables(dataFolder).tables;
    for (auto _ : state)
        benchmark::DoNotOptimize(composePreviewText(rows, tables));
}

} // namespace

BENCHMARK(BM_ComposeFileText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposePreviewText)->Unit(benchmark::kMicrosecond);
