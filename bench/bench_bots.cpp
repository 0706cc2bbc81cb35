#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "AllocationCounter.hpp"

#include "rules/PokerEngine.hpp"
#include "rules/SeededRNG.hpp"
#include "rules/TableState.hpp"
#include "strategy/BotDecision.hpp"
#include "strategy/BotDifficulty.hpp"

namespace pellox {
namespace {

std::vector<SeatConfig> seats(int bots) {
    std::vector<SeatConfig> out;
    for (int k = 0; k < bots; ++k)
        out.push_back({"bot-" + std::to_string(k + 1), "Bot " + std::to_string(k + 1), true, 1000});
    return out;
}

// Plays bots-only hands from a fresh six-seat table until one reaches the flop with a bot to act.
TableState postflopTable() {
    SeededRNG rng(5);
    TableState table(GameMode::cash, seats(6), 5, 10, 0);
    for (;;) {
        table = PokerEngine::startHand(table, rng).state;
        while (table.isHandInProgress && table.currentToActSeatIndex) {
            if (table.street == Street::flop) return table;
            const std::string id = table.currentPlayer()->id;
            // Everyone calls or checks, so the flop comes with every player in.
            const LegalActions legal = PokerEngine::legalActions(id, table);
            const PlayerAction action{legal.canCheck ? PlayerActionType::check : PlayerActionType::call,
                                      std::nullopt};
            table = PokerEngine::applyAction(action, id, table).state;
        }
    }
}

// One decision of the bot to act on a six-way flop, by skill (0 beginner, 1 intermediate, 2 pro).
void BM_BotDecisionPostflop(benchmark::State& state) {
    const TableState table = postflopTable();
    const std::string id = table.currentPlayer()->id;
    const BotProfile profile{allCases<BotSkill>()[static_cast<std::size_t>(state.range(0))],
                             BotPersonality::balanced};
    SeededRNG rng(9);
    const long long before = bench::allocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(BotDecision::decide(id, table, profile, rng));
    state.counters["allocs/decision"] =
        static_cast<double>(bench::allocations.load() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_BotDecisionPostflop)->ArgName("skill")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Complete bots-only hands at a six-seat table, by difficulty (0 easy, 1 normal, 2 hard).
void BM_BotsOnlyHands(benchmark::State& state) {
    const BotDifficulty difficulty = allCases<BotDifficulty>()[static_cast<std::size_t>(state.range(0))];
    std::map<std::string, BotProfile> profiles;
    const auto& list = personalities(difficulty);
    for (int k = 0; k < 6; ++k)
        profiles["bot-" + std::to_string(k + 1)] = {skill(difficulty),
                                                    list[static_cast<std::size_t>(k) % list.size()]};
    TableState table(GameMode::cash, seats(6), 5, 10, 0);
    SeededRNG rng(11);
    std::int64_t hands = 0;
    for (auto _ : state) {
        for (const Player& p : std::vector<Player>(table.players))
            if (p.stack < 1) table.players = TableState::restack(table.players, p.id, 1000);
        table = PokerEngine::startHand(table, rng).state;
        while (table.isHandInProgress && table.currentToActSeatIndex) {
            const std::string id = table.currentPlayer()->id;
            table = PokerEngine::applyAction(BotDecision::decide(id, table, profiles.at(id), rng), id, table)
                        .state;
        }
        ++hands;
    }
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BotsOnlyHands)->ArgName("difficulty")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellox
