// Random legal play of complete six-player hands through the rules engine: hands per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "rules/PokerEngine.hpp"
#include "rules/SeatConfig.hpp"
#include "rules/SeededRNG.hpp"
#include "rules/TableState.hpp"

namespace {

using namespace pellox;

TableState sixHanded() {
    std::vector<SeatConfig> seats;
    for (int i = 0; i < 6; ++i)
        seats.push_back({std::string{'p', static_cast<char>('0' + i)}, "Player", i != 0, 1000});
    return TableState(GameMode::tournament, seats, 5, 10, 1);
}

PlayerAction choose(const LegalActions& legal, SeededRNG& rng) {
    const std::uint32_t roll = rng.nextUInt32() % 100;
    if (roll < 15) return {PlayerActionType::fold, std::nullopt};
    if (roll < 70) return {legal.canCheck ? PlayerActionType::check : PlayerActionType::call, std::nullopt};
    if (roll < 95 && (legal.canBet || legal.canRaise)) {
        const std::int64_t span = legal.maxRaiseTo - legal.minRaiseTo + 1;
        const std::int64_t to = legal.minRaiseTo + static_cast<std::int64_t>(rng.nextUInt32() % 4) * span / 8;
        return {legal.canBet ? PlayerActionType::bet : PlayerActionType::raise, to};
    }
    if (legal.canAllIn) return {PlayerActionType::allIn, std::nullopt};
    return {PlayerActionType::call, std::nullopt};
}

void BM_RandomSixPlayerHands(benchmark::State& state) {
    SeededRNG deal(1);
    SeededRNG choices(2);
    TableState table = sixHanded();
    std::int64_t hands = 0;
    for (auto _ : state) {
        // Busted players buy back in, so every hand is six-handed.
        for (Player& p : table.players)
            if (p.stack < table.bigBlind) p.stack = 1000;
        TableState t = PokerEngine::startHand(table, deal).state;
        while (t.isHandInProgress) {
            const std::string id = t.actionQueue.front();
            t = PokerEngine::applyAction(choose(PokerEngine::legalActions(id, t), choices), id, t).state;
        }
        benchmark::DoNotOptimize(t.winners);
        table = std::move(t);
        ++hands;
    }
    state.counters["hands"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomSixPlayerHands);

}  // namespace
