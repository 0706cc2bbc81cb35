#pragma once
// What the application's benchmarks share: a QApplication on the offscreen platform, a stored history of
// realistic hands as the application finds it at launch, and screens opened and painted as a window would.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>

#include "../../tests/store/SampleHands.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app::bench {

inline constexpr QSize screenSize{900, 760};

// Hands recorded as the session records them (the history keeps the newest 200); `adjust`, when given, may
// change each record before it is counted.
inline StatsStore::Snapshot recordedHands(int hands,
                                          const std::function<void(HandRecord&, int hand)>& adjust = {}) {
    SeededRNG rng(2024);
    StatsStore::Snapshot snapshot;
    for (int hand = 1; hand <= hands; ++hand) {
        auto record = samples::realisticHand(hand, rng);
        if (adjust) adjust(record, hand);
        snapshot.stats = snapshot.stats.recording(samples::outcomeOf(record));
        snapshot.handHistory =
            HandRecord::prependingToHistory(std::move(record), std::move(snapshot.handHistory));
    }
    return snapshot;
}

inline std::shared_ptr<InMemoryStore> storeHolding(const StatsStore::Snapshot& snapshot) {
    auto store = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save(snapshot, *store);
    return store;
}

// The statistics loaded from a store and the context a review screen reads, as the application holds them.
struct ReviewRig {
    StatsStore stats;
    SettingsStore settings;
    AppContext context{&settings};

    explicit ReviewRig(std::shared_ptr<InMemoryStore> store) { stats.load(std::move(store)); }
};

inline void paintFrame(QWidget& widget, QImage& frame) {
    QPainter painter(&frame);
    widget.render(&painter);
}

// Shown at its size with its pending layout and paint events run, as a window shows it.
inline void showSettled(QWidget& widget, QSize size) {
    widget.resize(size);
    widget.show();
    QApplication::processEvents();
}

// Times a screen from construction to its first painted frame; tearing it down is not timed.
inline void timeFirstFrames(benchmark::State& state, const std::function<std::unique_ptr<QWidget>()>& open) {
    QImage frame(screenSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        std::unique_ptr<QWidget> screen = open();
        screen->resize(screenSize);
        screen->show();
        paintFrame(*screen, frame);
        state.PauseTiming();
        screen.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// `prepare`, when given, sets the application up as main() does before any benchmark runs.
inline int runBenchmarks(int argc, char** argv, const std::function<void(QApplication&)>& prepare = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepare) prepare(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace pellox::app::bench
