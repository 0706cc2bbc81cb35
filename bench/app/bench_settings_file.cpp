// Saving the statistics with a full 200-hand history to the settings file, as every finished hand does: the
// whole file written, checked, synced to disk and renamed over the old one. Beside it, the same document
// through QSettings as the file was written before, for comparison. Target: about a millisecond of work on
// the main thread besides the disk's own sync.
#include "AppBench.hpp"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "shell/SettingsFileText.hpp"
#include "shell/UserDefaultsStore.hpp"

namespace pellox::app {
namespace {

void BM_StatsSaveToTheSettingsFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Pellox Poker.conf");
    auto defaults = std::make_shared<UserDefaultsStore>(path);
    StatsStore::persisted.save(bench::recordedHands(200), *defaults);
    StatsStore stats;
    stats.load(defaults);
    for (auto _ : state)
        stats.save();
    state.counters["documentBytes"] = static_cast<double>(defaults->string("pellox-poker-stats")->size());
    state.counters["failed"] = defaults->hasWriteFailed() ? 1 : 0;
}
BENCHMARK(BM_StatsSaveToTheSettingsFile)->Unit(benchmark::kMillisecond);

// The part of a save that is the file's text: the escaped document in its INI line.
void BM_SettingsFileText(benchmark::State& state) {
    settingsFile::Values values;
    values["pellox-poker-stats"] = *StatsStore::persisted.encode(bench::recordedHands(200));
    for (auto _ : state)
        benchmark::DoNotOptimize(settingsFile::text(values));
}
BENCHMARK(BM_SettingsFileText)->Unit(benchmark::kMillisecond);

void BM_StatsSaveThroughQSettings(benchmark::State& state) {
    QTemporaryDir dir;
    QSettings file(dir.filePath("Pellox Poker.conf"), QSettings::IniFormat);
    const auto text = StatsStore::persisted.encode(bench::recordedHands(200));
    bool flip = false;
    for (auto _ : state) {
        // A changed value each time, or QSettings would skip the write.
        file.setValue("pellox-poker-stats", QString::fromStdString(*text + (flip ? " " : "")));
        file.sync();
        flip = !flip;
    }
}
BENCHMARK(BM_StatsSaveThroughQSettings)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
