// Opening the statistics screen on a full history of 200 stored hands and painting its first frame (budget:
// 50 ms), and repainting it once open.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "../../tests/store/SampleHands.hpp"
#include "review/StatsScreen.hpp"
#include "shell/AppContext.hpp"
#include "shell/Palette.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

constexpr QSize screenSize{900, 760};

// A statistics document as the application finds it at launch: the human in every position, 200 hands kept.
std::shared_ptr<InMemoryStore> storedHistory() {
    SeededRNG rng(2024);
    StatsStore::Snapshot snapshot;
    const auto positions = allCases<Position>();
    for (int hand = 1; hand <= 230; ++hand) {
        auto record = samples::realisticHand(hand, rng);
        record.humanPosition = positions[static_cast<std::size_t>(hand) % positions.size()];
        snapshot.stats = snapshot.stats.recording(samples::outcomeOf(record));
        snapshot.handHistory =
            HandRecord::prependingToHistory(std::move(record), std::move(snapshot.handHistory));
    }
    snapshot.stats.sessions = 12;
    auto store = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save(snapshot, *store);
    return store;
}

void paintFrame(QWidget& widget, QImage& frame) {
    QPainter painter(&frame);
    widget.render(&painter);
}

void BM_OpenStatsScreenFirstFrame(benchmark::State& state) {
    StatsStore stats;
    stats.load(storedHistory());
    if (stats.handHistory().size() != HandRecord::historyLimit) state.SkipWithError("history not full");
    SettingsStore settings;
    AppContext context(&settings);
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto screen = std::make_unique<StatsScreen>(context, stats, false);
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
BENCHMARK(BM_OpenStatsScreenFirstFrame)->Unit(benchmark::kMillisecond);

void BM_RepaintStatsScreen(benchmark::State& state) {
    StatsStore stats;
    stats.load(storedHistory());
    SettingsStore settings;
    AppContext context(&settings);
    StatsScreen screen(context, stats, false);
    screen.resize(screenSize);
    screen.show();
    QApplication::processEvents();
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintFrame(screen, frame);
}
BENCHMARK(BM_RepaintStatsScreen)->Unit(benchmark::kMillisecond);

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
