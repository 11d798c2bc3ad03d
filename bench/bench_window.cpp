#include "Silent.h"

#include "core/catalogue/StartupData.h"
#include "ui/CurrentChoices.h"
#include "ui/app/MainWindow.h"
#include "ui/catalogue/CatalogueTabs.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString dataFolder = QStringLiteral(TUNEWICK_BUILD_DATA_DIR);

// The comparison: the least a Qt program with the same tab strip builds.
std::unique_ptr<QMainWindow> bareTabbedWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto *tabs = new QTabWidget(window.get());
    for (int tab = 0; tab < 6; ++tab)
        tabs->addTab(new QWidget, u"Tab %1"_s.arg(tab));
    window->setCentralWidget(tabs);
    return window;
}

std::unique_ptr<MainWindow> mainWindow(UserPrompts &prompts)
{
    auto window = std::make_unique<MainWindow>(prompts, dataFolder);
    window->initialise();
    return window;
}

// Shown and its first frame painted; the window is destroyed before the next iteration.
void showAndSettle(QWidget &window)
{
    window.show();
    QCoreApplication::processEvents();
}

void BM_CreateMainWindow(benchmark::State &state)
{
    SilentPrompts prompts;
    for (auto _ : state)
        benchmark::DoNotOptimize(mainWindow(prompts));
}

void BM_CreateBareTabbedWindow(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(bareTabbedWindow());
}

// The part of creation that builds the rows of all six tabs.
void BM_CreateCatalogueTabs(benchmark::State &state)
{
    CurrentChoices choices;
    const StartupTables tables;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::make_unique<CatalogueTabs>(choices, tables));
}

// The part of creation that reads the data folder.
void BM_ReadStartupData(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(StartupData::readStartupTables(dataFolder));
}

void BM_CreateAndShowMainWindow(benchmark::State &state)
{
    SilentPrompts prompts;
    for (auto _ : state) {
        const std::unique_ptr<MainWindow> window = mainWindow(prompts);
        showAndSettle(*window);
    }
}

void BM_CreateAndShowBareTabbedWindow(benchmark::State &state)
{
    for (auto _ : state) {
        const std::unique_ptr<QMainWindow> window = bareTabbedWindow();
        showAndSettle(*window);
    }
}

} // namespace

BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateBareTabbedWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateCatalogueTabs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadStartupData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateAndShowMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateAndShowBareTabbedWindow)->Unit(benchmark::kMillisecond);
