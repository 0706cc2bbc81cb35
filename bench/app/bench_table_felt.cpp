// The felt painting whole frames while a six-player hand is played on it, chips flying: the time of one
// painted frame at 1280 × 820. The felt repaints at animation rate, so a frame must stay well under 4 ms.
// Qt's animation clock moves one frame between paints, so the pot counts, the cluster springs and the board,
// banner and winner badges come and go as on screen.
#include "../../tests/app/ManualAnimationClock.hpp"
#include "AppBench.hpp"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <memory>

#include "rules/SeededRNG.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "table/FeltMotion.hpp"
#include "table/TablePacing.hpp"
#include "table/TableView.hpp"
#include "theme/AppContext.hpp"

namespace {

using namespace pellox;
using namespace pellox::app;

constexpr int framesPerStep = 6;
constexpr int frameMilliseconds = 16;

// A cash game of the human and five bots, moved one pacing step at a time; the human checks or calls.
struct Game {
    SettingsStore settings;
    StatsStore stats;
    GameSession session{settings, stats};
    TablePacing pacing{session, settings, false, false};
    Subscription watch = session.subscribe("table", [this](std::string_view) { pacing.observeTable(); });

    Game() {
        settings.guideMode.set(GuideMode::off);
        session.startCashGame(5, 4242);
    }

    void step() {
        const PacingStep next = pacing.pacingStep(0.5);
        if (next.advance) {
            switch (next.advance->action) {
                case PacingAction::revealNextCard:
                    pacing.revealOneMoreCard();
                    return;
                case PacingAction::playBotTurn:
                    session.playBotTurn();
                    return;
                case PacingAction::startNextHand:
                    session.startHand();
                    return;
            }
        }
        if (session.isHumanTurn()) {
            const auto legal = *session.humanLegalActions();
            session.submitHumanAction(legal.canCheck ? PlayerActionType::check : PlayerActionType::call);
        } else if (session.humanBustedInCash()) {
            session.rebuy();
        }
    }
};

void BM_FeltFrameDuringAHand(benchmark::State& state) {
    Game game;
    AppContext context(&game.settings);
    context.setReduceMotion(false);
    TableView view(context, game.session, game.settings, nullptr, nullptr);
    view.resize(1280, 820);
    QImage frame(view.size(), QImage::Format_ARGB32_Premultiplied);
    app::testing::ManualAnimationClock clock;
    std::int64_t frames = 0, flights = 0, moving = 0;
    for (auto _ : state) {
        clock.advance(frameMilliseconds);
        if (frames % framesPerStep == 0) {
            game.step();
            view.refresh(game.pacing.revealedBoardCount(), game.pacing.animationTimings(), game.pacing.game(),
                         false);
        }
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&frame);
        view.render(&painter);
        painter.end();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        flights += static_cast<std::int64_t>(view.flights().size());
        moving += view.motion().isRunning() ? 1 : 0;
        ++frames;
    }
    state.counters["flights in the air"] =
        benchmark::Counter(static_cast<double>(flights) / std::max<std::int64_t>(frames, 1));
    state.counters["frames in transition"] =
        benchmark::Counter(static_cast<double>(moving) / std::max<std::int64_t>(frames, 1));
    state.counters["hand"] = static_cast<double>(game.session.table()->handNumber);
}
BENCHMARK(BM_FeltFrameDuringAHand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3000);

}  // namespace

int main(int argc, char** argv) {
    return pellox::app::bench::runBenchmarks(argc, argv);
}
