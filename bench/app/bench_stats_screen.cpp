// Opening the statistics screen on a full history of 200 stored hands and painting its first frame (budget:
// 50 ms), and repainting it once open.
#include "AppBench.hpp"
#include "review/StatsScreen.hpp"

namespace pellox::app {
namespace {

using namespace bench;

// A statistics document as the application finds it at launch: the human in every position, 200 hands kept.
std::shared_ptr<InMemoryStore> storedHistory() {
    const auto positions = allCases<Position>();
    StatsStore::Snapshot snapshot = recordedHands(230, [&](HandRecord& record, int hand) {
        record.humanPosition = positions[static_cast<std::size_t>(hand) % positions.size()];
    });
    snapshot.stats.sessions = 12;
    return storeHolding(snapshot);
}

void BM_OpenStatsScreenFirstFrame(benchmark::State& state) {
    ReviewRig rig(storedHistory());
    if (rig.stats.handHistory().size() != HandRecord::historyLimit) state.SkipWithError("history not full");
    timeFirstFrames(state, [&] { return std::make_unique<StatsScreen>(rig.context, rig.stats, false); });
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_OpenStatsScreenFirstFrame)->Unit(benchmark::kMillisecond);

void BM_RepaintStatsScreen(benchmark::State& state) {
    ReviewRig rig(storedHistory());
    StatsScreen screen(rig.context, rig.stats, false);
    showSettled(screen, screenSize);
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintFrame(screen, frame);
}
BENCHMARK(BM_RepaintStatsScreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
