// Opening the hand history on a full history of 200 stored hands and painting its first frame (budget: 50
// ms), switching its filter, and opening the replay of one of its hands.
#include "AppBench.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/HistoryScreen.hpp"

namespace pellox::app {
namespace {

using namespace bench;

// A statistics document as the application finds it at launch, some hands broken even.
std::shared_ptr<InMemoryStore> storedHistory() {
    return storeHolding(recordedHands(230, [](HandRecord& record, int hand) {
        if (hand % 4 == 0) record.humanNet = 0;
    }));
}

void BM_OpenHistoryScreenFirstFrame(benchmark::State& state) {
    ReviewRig rig(storedHistory());
    if (rig.stats.handHistory().size() != HandRecord::historyLimit) state.SkipWithError("history not full");
    timeFirstFrames(state, [&] {
        return std::make_unique<HistoryScreen>(rig.context, rig.stats, [](const std::string&) {});
    });
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_OpenHistoryScreenFirstFrame)->Unit(benchmark::kMillisecond);

void BM_HistoryFilterSwitchAndRepaint(benchmark::State& state) {
    ReviewRig rig(storedHistory());
    HistoryScreen screen(rig.context, rig.stats, [](const std::string&) {});
    showSettled(screen, screenSize);
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    const auto filters = allCases<HistoryFilter>();
    std::size_t next = 0;
    for (auto _ : state) {
        screen.setFilter(filters[next++ % filters.size()]);
        paintFrame(screen, frame);
    }
}
BENCHMARK(BM_HistoryFilterSwitchAndRepaint)->Unit(benchmark::kMillisecond);

void BM_OpenReplayFirstFrame(benchmark::State& state) {
    ReviewRig rig(storedHistory());
    const HandRecord& record = rig.stats.handHistory().front();
    timeFirstFrames(state, [&] { return std::make_unique<HandReplayScreen>(rig.context, record, false); });
}
BENCHMARK(BM_OpenReplayFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
