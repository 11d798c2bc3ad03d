#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

// The console table as usual, and, at the end, how each measurement compares with its baseline.
// The ratios compare CPU time, which other work on a shared machine disturbs less than wall time.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run &run : reports) {
            if (run.error_occurred)
                continue;
            const double seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            Seconds &recorded = m_seconds[run.run_name.function_name];
            // With repetitions the mean over them stands for the benchmark; without, each run counts.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean") {
                recorded = {seconds, 1, true};
            } else if (run.run_type == Run::RT_Iteration && !recorded.fromMean) {
                recorded.total += seconds;
                ++recorded.runs;
            }
        }
    }

    // Prints "measured / baseline" for each pair that ran.
    void printRatios(const std::vector<std::pair<std::string, std::string>> &pairs) const
    {
        for (const auto &[measured, baseline] : pairs) {
            const auto m = m_seconds.find(measured);
            const auto b = m_seconds.find(baseline);
            if (m == m_seconds.end() || b == m_seconds.end() || m->second.runs == 0 || b->second.runs == 0)
                continue;
            const double ratio = m->second.mean() / b->second.mean();
            std::printf("%s takes %.2f times the CPU time of %s\n", measured.c_str(), ratio, baseline.c_str());
        }
    }

private:
    struct Seconds {
        double total = 0; // the sum of the runs' CPU times per iteration, in seconds
        int runs = 0;
        bool fromMean = false;
        double mean() const { return total / runs; }
    };
    std::map<std::string, Seconds> m_seconds;
};

// The offscreen platform warns at every window it cannot resize or raise as asked; writing those
// lines to the terminal would be timed with the window.
void dropPlatformWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1StringView("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char *argv[])
{
    // The windows are built for real, on the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformWarnings);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios({{"BM_CreateMainWindow", "BM_CreateBareTabbedWindow"},
                          {"BM_CreateAndShowMainWindow", "BM_CreateAndShowBareTabbedWindow"},
                          {"BM_OpenConfig", "BM_ReadLinesOnly"},
                          {"BM_OpenConfig", "BM_ReadChunksOnly"}});
    benchmark::Shutdown();
    return 0;
}
