// The table screen at 1280 × 820 while its side panel's pieces come and go: a piece on its way in is pictured
// live at every frame, so the window's frame has to stay well under 4 ms with them running. Qt's animation
// clock moves one frame between paints; the screen's timers' runs are performed at once.
#include "../../tests/app/ManualAnimationClock.hpp"
#include "AppBench.hpp"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <memory>

#include "kit/KeyedTimer.hpp"
#include "kit/Transition.hpp"
#include "rules/SeededRNG.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "table/ActionBarView.hpp"
#include "table/ActionTickerView.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TablePacingTask.hpp"
#include "table/TableScreen.hpp"
#include "theme/AppContext.hpp"

namespace {

using namespace pellox;
using namespace pellox::app;

constexpr int framesPerStep = 4;
constexpr int frameMilliseconds = 16;
constexpr QSize windowSize{1280, 820};

// A cash game on the table screen with the guide shown and motion on; the human checks or calls.
struct Table {
    SettingsStore settings;
    StatsStore stats;
    GameSession session{settings, stats};
    AppContext context{&settings};
    std::unique_ptr<TableScreen> screen;

    Table() {
        settings.gameSpeed.set(GameSpeed::fast);
        settings.guideMode.set(GuideMode::show);
        session.setComputesAdviceSynchronously(true);
        context.setReduceMotion(false);
        session.startCashGame(5, 4242);
        screen = std::make_unique<TableScreen>(context, session, settings, false, false, [] {});
        screen->resize(windowSize);
        screen->show();
        QApplication::processEvents();
    }

    // One pacing run, or the human's decision when it is theirs.
    void step() {
        QApplication::processEvents();
        // The pictures that have gone out, deleted as the event loop would.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TablePacingTask& task = screen->pacingTask();
        task.flush();
        if (task.preActionTimer().runPendingNow() || task.pacingTimer().runPendingNow()) return;
        if (session.isHumanTurn()) {
            const auto legal = *session.humanLegalActions();
            screen->submit({legal.canCheck ? PlayerActionType::check : PlayerActionType::call, std::nullopt});
        } else if (session.humanBustedInCash()) {
            session.rebuy();
        }
    }

    // Whether a piece of the side panel is on its way in or out.
    bool panelMoving() const {
        if (!screen->findChildren<QWidget*>(leavingPictureName).isEmpty()) return true;
        for (const QWidget* w : screen->findChildren<QWidget*>())
            if (enteringEffect(*w)) return true;
        return false;
    }

    // The side panel: the action area's pieces leave their pictures on it.
    QWidget& sidePanel() const {
        return *screen->findChild<ActionBarView*>()->parentWidget()->parentWidget();
    }

    static double timedFrame(QWidget& widget) {
        QElapsedTimer timer;
        timer.start();
        const QPixmap frame = widget.grab();
        benchmark::DoNotOptimize(frame);
        return static_cast<double>(timer.nsecsElapsed()) / 1e9;
    }
};

// The window's frame: what it draws again of what changed since the last one (the felt in motion, the side
// panel's pieces on their way), as the window does on its next frame.
void BM_WindowFrameDuringHands(benchmark::State& state) {
    app::testing::ManualAnimationClock clock;
    Table table;
    std::int64_t frames = 0, moving = 0;
    for (auto _ : state) {
        clock.advance(frameMilliseconds);
        if (frames % framesPerStep == 0) table.step();
        QElapsedTimer timer;
        timer.start();
        QEvent sync(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(table.screen.get(), &sync);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        moving += table.panelMoving() ? 1 : 0;
        ++frames;
    }
    state.counters["frames with the panel moving"] =
        benchmark::Counter(static_cast<double>(moving) / std::max<std::int64_t>(frames, 1));
    state.counters["hand"] = static_cast<double>(table.session.table()->handNumber);
}
BENCHMARK(BM_WindowFrameDuringHands)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3000);

// The side panel drawn whole on the human's turn: the action bar and the advice in place (0), or both
// halfway on their way in (1), each drawn live.
void BM_SidePanelWithTheActionBarComingIn(benchmark::State& state) {
    app::testing::ManualAnimationClock clock;
    Table table;
    for (int i = 0; i < 2000 && !table.session.isHumanTurn(); ++i)
        table.step();
    QApplication::processEvents();
    auto* bar = table.screen->findChild<ActionBarView*>();
    if (!bar || !enteringEffect(*bar)) {
        state.SkipWithError("the action bar is not coming in");
        return;
    }
    clock.advance(state.range(0) == 0 ? 1000 : 40);
    for (auto _ : state)
        state.SetIterationTime(Table::timedFrame(table.sidePanel()));
    state.counters["entering"] = enteringEffect(*bar) ? 1 : 0;
}
BENCHMARK(BM_SidePanelWithTheActionBarComingIn)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500);

// What one live picture of a piece costs, as an entering piece takes it at each frame: the action bar (0),
// the strategy overlay (1), the ticker's strip (2), each shown as on the human's turn.
void BM_PictureOfAPiece(benchmark::State& state) {
    app::testing::ManualAnimationClock clock;
    Table table;
    for (int i = 0; i < 2000 && !table.session.isHumanTurn(); ++i)
        table.step();
    clock.advance(1000);
    QWidget* pieces[] = {table.screen->findChild<ActionBarView*>(), table.screen->strategyOverlay(),
                         table.screen->findChild<ActionTickerView*>()->strip()};
    QWidget* piece = pieces[state.range(0)];
    if (!piece->isVisible()) {
        state.SkipWithError("the piece is not shown");
        return;
    }
    for (auto _ : state) {
        const QPixmap picture = pictureOf(*piece);
        benchmark::DoNotOptimize(picture);
    }
    state.counters["pixels"] = piece->width() * piece->height();
}
BENCHMARK(BM_PictureOfAPiece)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
