#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "rules/SeededRNG.hpp"
#include "strategy/AdviceComputation.hpp"
#include "strategy/EquitySampler.hpp"
#include "strategy/StrategyAdvisor.hpp"

namespace pellox {
namespace {

Player seated(std::string id, std::int64_t seat, Position position, std::vector<Card> hole) {
    Player p;
    p.id = id;
    p.name = std::move(id);
    p.seatIndex = seat;
    p.position = position;
    p.holeCards = std::move(hole);
    p.stack = 1000;
    p.totalContribution = 30;
    return p;
}

// Four-handed on the flop: the hero raised first in, three opponents called, one of them bet the flop.
struct Spot {
    TableState table;
    std::vector<EngineEvent> events;
};

Spot spot() {
    Spot s;
    TableState& t = s.table;
    t.street = Street::flop;
    t.bigBlind = 10;
    t.minRaise = 10;
    t.board = {{Rank::king, Suit::hearts}, {Rank::ten, Suit::diamonds}, {Rank::four, Suit::spades}};
    t.players = {
        seated("human", 0, Position::btn, {{Rank::king, Suit::clubs}, {Rank::queen, Suit::diamonds}}),
        seated("bot-1", 1, Position::sb, {{Rank::ace, Suit::clubs}, {Rank::ace, Suit::diamonds}}),
        seated("bot-2", 2, Position::bb, {{Rank::nine, Suit::clubs}, {Rank::nine, Suit::diamonds}}),
        seated("bot-3", 3, Position::utg, {{Rank::two, Suit::clubs}, {Rank::three, Suit::diamonds}})};
    auto acted = [](std::string id, PlayerActionType type) {
        return EngineEvent(
            EngineEvent::ActionTaken{std::move(id), PlayerAction{type, std::nullopt}, type, 0});
    };
    s.events = {
        acted("bot-3", PlayerActionType::call),  acted("human", PlayerActionType::raise),
        acted("bot-1", PlayerActionType::call),  acted("bot-2", PlayerActionType::call),
        acted("bot-3", PlayerActionType::call),  EngineEvent(EngineEvent::StreetDealt{Street::flop, t.board}),
        acted("bot-1", PlayerActionType::check), acted("bot-2", PlayerActionType::bet)};
    return s;
}

// One human postflop advice: ranges read from the events, 2,000 range-weighted samples, texts.
void BM_PostflopAdvice2000(benchmark::State& state) {
    const Spot s = spot();
    SeededRNG rng(42);
    for (auto _ : state) {
        auto advice = StrategyAdvisor::advice("human", s.table, StrategyToggles::allOn, s.events, rng,
                                              EquitySampler::defaultSamples);
        benchmark::DoNotOptimize(advice);
    }
}
BENCHMARK(BM_PostflopAdvice2000)->Unit(benchmark::kMicrosecond);

// The longest a worker holds on between two chunks: the first step, which also reads the ranges.
void BM_AdviceFirstStep(benchmark::State& state) {
    const Spot s = spot();
    for (auto _ : state) {
        AdviceComputation computation("human", s.table, StrategyToggles::allOn, s.events,
                                      std::make_unique<SeededRNG>(7), EquitySampler::defaultSamples);
        benchmark::DoNotOptimize(computation.step());
    }
}
BENCHMARK(BM_AdviceFirstStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pellox
