// Start-up of the application up to the first painted frame of the main window, with a full statistics
// document (200 hands) in the settings file, as a returning player launches it. Target: under 300 ms on one
// core (run under `taskset -c 0`).
#include "AppBench.hpp"

#include <QEvent>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "shell/DarkStyle.hpp"
#include "shell/MainWindow.hpp"
#include "shell/PelloxPokerApp.hpp"
#include "shell/UserDefaultsStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app {
namespace {

// Notes the first paint event of any widget of the watched window.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    bool painted() const noexcept { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == &window_) painted_ = true;
        }
        return false;
    }

  private:
    QWidget& window_;
    bool painted_ = false;
};

// A settings file as a returning player's: onboarded, with the history full.
void writeReturningPlayer(const QString& path) {
    auto defaults = std::make_shared<UserDefaultsStore>(path);
    SettingsStore settings;
    settings.load(defaults);
    settings.hasOnboarded.set(true);
    settings.save();
    StatsStore::persisted.save(bench::recordedHands(200), *defaults);
}

void BM_StartUpToFirstFrame(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Pellox Poker.conf");
    writeReturningPlayer(path);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto app = std::make_unique<PelloxPokerApp>(std::make_shared<UserDefaultsStore>(path));
        FirstPaint watch(app->mainWindow());
        app->show();
        while (!watch.painted())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        if (app->stats().handHistory().size() != 200) state.SkipWithError("the history did not load");
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace pellox::app

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv, [](QApplication& application) {
        QApplication::setOrganizationName(QStringLiteral("Pellox"));
        QApplication::setApplicationName(QStringLiteral("Pellox Poker"));
        pellox::app::applyDarkStyle(application);
    });
}
