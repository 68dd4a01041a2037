// Painting a full-screen gradient against a plain solid fill of the same area, in the same run.
// A gradient paint must stay inside one frame at 60 Hz: the program fails when one takes longer.
#include "components/QovGradient.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/WindowHarness.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;
constexpr double FrameMilliseconds = 1000.0 / 60.0;

// Fills its area with one colour: what a control without a gradient costs.
class TSolidFill : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    void Paint() override
    {
        Canvas()->SetBrushColor(clBtnFace);
        Canvas()->FillRect(ClientRect());
    }
};

void PaintRepeatedly(benchmark::State& state, TGraphicControl* control)
{
    TForm form(nullptr);
    control->SetParent(&form);
    control->SetBounds(0, 0, ScreenWidth, ScreenHeight);
    TBitmap picture;
    for (auto _ : state) {
        WindowHarness::Render(control, picture);
        benchmark::DoNotOptimize(picture.Pixel(ScreenWidth - 1, ScreenHeight - 1));
    }
    control->SetParent(nullptr);
    state.SetItemsProcessed(state.iterations() * ScreenWidth * ScreenHeight);
}

void BM_GradientHorizontal(benchmark::State& state)
{
    TQovGradient gradient(nullptr);
    PaintRepeatedly(state, &gradient);
}

void BM_GradientVertical(benchmark::State& state)
{
    TQovGradient gradient(nullptr);
    gradient.SetGradient(gdVertical);
    PaintRepeatedly(state, &gradient);
}

void BM_SolidFill(benchmark::State& state)
{
    TSolidFill fill(nullptr);
    PaintRepeatedly(state, &fill);
}

// Shows the results as usual and notes a gradient paint slower than one frame.
class TFrameBudgetReporter : public benchmark::ConsoleReporter {
public:
    TFrameBudgetReporter() : ConsoleReporter(OO_Tabular) {}
    bool OverBudget = false;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            // Single runs, or the median of repeated ones (the spread of repetitions is no time).
            const bool timeOfOnePaint = run.run_type == Run::RT_Iteration || run.aggregate_name == "median";
            if (timeOfOnePaint && run.benchmark_name().starts_with("BM_Gradient") &&
                run.time_unit == benchmark::kMillisecond && run.GetAdjustedRealTime() > FrameMilliseconds)
                OverBudget = true;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(BM_SolidFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientHorizontal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientVertical)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    Application->Initialize();
    TFrameBudgetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Application->Finalize();
    if (reporter.OverBudget)
        std::fprintf(stderr, "A full-screen gradient took longer than one frame at 60 Hz (%.1f ms).\n", FrameMilliseconds);
    return reporter.OverBudget ? 1 : 0;
}
