// Repainting the range grid (budget: 2 ms), also at the small label size, and switching the chart.
#include "AppBench.hpp"

#include <QImage>
#include <QPainter>

#include "review/RangeChartScreen.hpp"
#include "review/RangeGridView.hpp"
#include "store/SettingsStore.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopContext.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

void BM_RepaintRangeGrid(benchmark::State& state) {
    SettingsStore settings;
    AppContext context(&settings);
    RangeChartScreen screen(context, QStringLiteral("AKs"));
    const int side = static_cast<int>(state.range(0));
    bench::showSettled(screen, QSize(side + 32, side + 260));
    RangeGridView* grid = screen.findChild<RangeGridView*>();
    QImage frame(grid->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        bench::paintFrame(*grid, frame);
    state.counters["budget_ms"] = 2;
}
BENCHMARK(BM_RepaintRangeGrid)->Arg(540)->Arg(340)->Unit(benchmark::kMicrosecond);

// A picker changed: the chart's 169 actions and the legend's shares looked up again, the whole screen
// painted.
void BM_SwitchChartAndRepaint(benchmark::State& state) {
    SettingsStore settings;
    AppContext context(&settings);
    RangeChartScreen screen(context, std::nullopt);
    bench::showSettled(screen, QSize(620, 720));
    QImage frame(screen.size(), QImage::Format_ARGB32_Premultiplied);
    int i = 0;
    for (auto _ : state) {
        screen.setBucket(allCases<PositionBucket>()[static_cast<std::size_t>(i++ % 5)]);
        bench::paintFrame(screen, frame);
    }
}
BENCHMARK(BM_SwitchChartAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
