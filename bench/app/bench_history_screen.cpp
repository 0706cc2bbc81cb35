// Opening the hand history on a full history of 200 stored hands and painting its first frame (budget: 50
// ms), switching its filter, and opening the replay of one of its hands.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "../../tests/store/SampleHands.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/HistoryScreen.hpp"
#include "shell/AppContext.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

constexpr QSize screenSize{900, 760};

// A statistics document as the application finds it at launch, with the newest 200 of 230 hands kept.
std::shared_ptr<InMemoryStore> storedHistory() {
    SeededRNG rng(2024);
    StatsStore::Snapshot snapshot;
    for (int hand = 1; hand <= 230; ++hand) {
        auto record = samples::realisticHand(hand, rng);
        if (hand % 4 == 0) record.humanNet = 0;
        snapshot.stats = snapshot.stats.recording(samples::outcomeOf(record));
        snapshot.handHistory =
            HandRecord::prependingToHistory(std::move(record), std::move(snapshot.handHistory));
    }
    auto store = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save(snapshot, *store);
    return store;
}

void paintFrame(QWidget& widget, QImage& frame) {
    QPainter painter(&frame);
    widget.render(&painter);
}

void BM_OpenHistoryScreenFirstFrame(benchmark::State& state) {
    StatsStore stats;
    stats.load(storedHistory());
    if (stats.handHistory().size() != HandRecord::historyLimit) state.SkipWithError("history not full");
    SettingsStore settings;
    AppContext context(&settings);
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto screen = std::make_unique<HistoryScreen>(context, stats, [](const std::string&) {});
        screen->resize(screenSize);
        screen->show();
        paintFrame(*screen, frame);
        state.PauseTiming();
        screen.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["budget_ms"] = 50;
}
BENCHMARK(BM_OpenHistoryScreenFirstFrame)->Unit(benchmark::kMillisecond);

void BM_HistoryFilterSwitchAndRepaint(benchmark::State& state) {
    StatsStore stats;
    stats.load(storedHistory());
    SettingsStore settings;
    AppContext context(&settings);
    HistoryScreen screen(context, stats, [](const std::string&) {});
    screen.resize(screenSize);
    screen.show();
    QApplication::processEvents();
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
    StatsStore stats;
    stats.load(storedHistory());
    SettingsStore settings;
    AppContext context(&settings);
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    const HandRecord& record = stats.handHistory().front();
    for (auto _ : state) {
        auto screen = std::make_unique<HandReplayScreen>(context, record, false);
        screen->resize(screenSize);
        screen->show();
        paintFrame(*screen, frame);
        state.PauseTiming();
        screen.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReplayFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
