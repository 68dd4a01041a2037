// Painting a full-screen gradient against a plain solid fill of the same area, in the same run.
// A paint must stay well inside one frame at 60 Hz (16.7 ms).
#include "components/QovGradient.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/WindowHarness.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;

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

} // namespace

BENCHMARK(BM_SolidFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientHorizontal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientVertical)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    Application->Initialize();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Application->Finalize();
    return 0;
}
