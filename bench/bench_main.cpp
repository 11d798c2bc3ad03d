#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

// The console table as usual, and, at the end, how each measurement compares with its baseline.
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
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            Seconds &seconds = m_seconds[run.run_name.function_name];
            seconds.total += run.real_accumulated_time / double(run.iterations);
            ++seconds.runs;
        }
    }

    // Prints "measured / baseline" for each pair that ran.
    void printRatios(const std::vector<std::pair<std::string, std::string>> &pairs) const
    {
        for (const auto &[measured, baseline] : pairs) {
            const auto m = m_seconds.find(measured);
            const auto b = m_seconds.find(baseline);
            if (m == m_seconds.end() || b == m_seconds.end())
                continue;
            const double ratio = m->second.mean() / b->second.mean();
            std::printf("%s / %s: %.2f times the time, %.2f times the speed\n", measured.c_str(), baseline.c_str(),
                        ratio, 1 / ratio);
        }
    }

private:
    struct Seconds {
        double total = 0; // the sum of each run's time per iteration
        int runs = 0;
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
