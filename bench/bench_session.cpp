// A seeded six-player tournament played to its end without a screen, the guide shown and its advice computed
// synchronously, every hand recorded into a loaded statistics store: hands per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "rules/SeededRNG.hpp"
#include "session/GameSession.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "view/PacingStep.hpp"

namespace {

using namespace pellox;

// The human checks, calls, sometimes raises the minimum and sometimes folds to a bet.
PlayerAction humanChoice(const LegalActions& legal, SeededRNG& rng) {
    const double roll = rng.next();
    if (legal.canFold && roll < 0.3) return {PlayerActionType::fold, std::nullopt};
    if (roll > 0.85 && (legal.canBet || legal.canRaise))
        return {legal.canBet ? PlayerActionType::bet : PlayerActionType::raise, legal.minRaiseTo};
    if (legal.canCheck) return {PlayerActionType::check, std::nullopt};
    return {PlayerActionType::call, std::nullopt};
}

// One pacing step as the table screen takes it, the board revealed at once. False once the game stops.
bool step(GameSession& session, SeededRNG& human) {
    const auto& t = session.table();
    PacingInput in;
    in.hasTable = t.has_value();
    in.isHandInProgress = t && t->isHandInProgress;
    in.boardLength = t ? static_cast<std::int64_t>(t->board.size()) : 0;
    in.revealedBoardCount = in.boardLength;
    const Player* acting = t ? t->currentPlayer() : nullptr;
    in.actingIsBot = acting && acting->isBot;
    in.actingIsHuman = session.isHumanTurn();
    in.blocked = session.tournamentOver() || session.humanBustedInCash();
    const PacingStep next = PacingStep::next(in, PacingTimings{});
    if (next.advance) {
        if (next.advance->action == PacingAction::playBotTurn) session.playBotTurn();
        if (next.advance->action == PacingAction::startNextHand) session.startHand();
        return true;
    }
    if (next.phase != PacingPhase::awaitingHuman) return false;
    const PlayerAction a = humanChoice(*session.humanLegalActions(), human);
    session.submitHumanAction(a.type, a.amount);
    return true;
}

void BM_SixPlayerTournamentToTheEnd(benchmark::State& state) {
    std::int64_t hands = 0;
    std::int32_t seed = 1;
    for (auto _ : state) {
        SettingsStore settings;
        StatsStore stats;
        stats.load(std::make_shared<InMemoryStore>());
        settings.guideMode.set(GuideMode::show);
        GameSession session(settings, stats);
        session.setComputesAdviceSynchronously(true);
        SeededRNG human(static_cast<std::uint32_t>(seed));
        session.startTournament(5, seed++);
        while (step(session, human)) {
        }
        hands += session.table()->handNumber;
        benchmark::DoNotOptimize(session.standings());
    }
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    state.counters["hands/game"] =
        benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SixPlayerTournamentToTheEnd)->Unit(benchmark::kMillisecond);

}  // namespace
