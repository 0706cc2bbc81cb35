#pragma once
// Realistic finished hands for tests and benchmarks: six players, blinds, a full betting sequence to the
// river, a showdown and graded decisions of the human, drawn from a seeded generator.
#include <chrono>
#include <string>
#include <vector>

#include "rules/HumanPlayer.hpp"
#include "rules/SeededRNG.hpp"
#include "store/HandOutcome.hpp"
#include "store/HandRecord.hpp"

namespace pellox::samples {

inline std::string playerId(int seat) {
    return seat == 0 ? std::string(humanPlayerId) : "bot-" + std::to_string(seat);
}

inline GradedDecision sampleGrade(std::int64_t hand, Street street, SeededRNG& rng) {
    GradedDecision g;
    g.handNumber = hand;
    g.street = street;
    const bool aggressive = rng.next() < 0.4;
    g.playerAction = aggressive
                         ? PlayerAction{PlayerActionType::raise, 60 + 5 * static_cast<int>(rng.next() * 40)}
                         : PlayerAction{PlayerActionType::call, std::nullopt};
    g.resolvedType = g.playerAction.type;
    g.advisedAction = rng.next() < 0.5 ? PlayerActionType::call : PlayerActionType::raise;
    if (g.advisedAction == PlayerActionType::raise) g.advisedAmount = 80;
    g.agreed = rng.next() < 0.7;
    if (street != Street::preflop) {
        g.equity = rng.next();
        g.requiredEquity = 0.25 + rng.next() * 0.2;
    }
    g.potSize = 100 + static_cast<std::int64_t>(rng.next() * 400);
    g.toCall = 20 + static_cast<std::int64_t>(rng.next() * 80);
    g.explanation =
        "~47% equity clears the 33% the pot odds demand with room to spare, so raise to charge worse hands "
        "and draws.";
    return g;
}

inline HandRecord realisticHand(std::int64_t hand, SeededRNG& rng) {
    constexpr int players = 6;
    const auto deck = shuffled(Card::standardDeck(), rng);
    std::size_t next = 0;
    HandRecord r;
    r.seed = toStoredSeed(rng.nextUInt32());
    r.id = HandRecord::identifier(hand, r.seed);
    r.timestamp = referenceDate + std::chrono::seconds(760'000'000 + hand * 45);
    r.mode = hand % 3 == 0 ? GameMode::tournament : GameMode::cash;
    r.handNumber = hand;
    r.blinds = {5, 10, 0};
    r.dealerSeatIndex = hand % players;
    for (int s = 0; s < players; ++s)
        r.seats.push_back({playerId(s), s == 0 ? "You" : "Bot " + std::to_string(s), s, 1000 + 15 * s});
    r.humanPosition = Position::co;

    r.events.emplace_back(EngineEvent::HandStarted{hand, r.dealerSeatIndex});
    r.events.emplace_back(EngineEvent::BlindPosted{playerId(1), BlindKind::small, 5});
    r.events.emplace_back(EngineEvent::BlindPosted{playerId(2), BlindKind::big, 10});
    std::vector<std::vector<Card>> holes(players);
    for (int s = 0; s < players; ++s) {
        holes[s] = {deck[next], deck[next + 1]};
        next += 2;
        r.events.emplace_back(EngineEvent::HoleCardsDealt{playerId(s)});
    }
    r.humanHoleCards = holes[0];

    const Street streets[] = {Street::preflop, Street::flop, Street::turn, Street::river};
    for (auto street : streets) {
        if (street != Street::preflop) {
            std::vector<Card> cards(
                deck.begin() + static_cast<std::ptrdiff_t>(next),
                deck.begin() + static_cast<std::ptrdiff_t>(next + (street == Street::flop ? 3 : 1)));
            next += cards.size();
            r.board.insert(r.board.end(), cards.begin(), cards.end());
            r.events.emplace_back(EngineEvent::StreetDealt{street, cards});
        }
        const int actors = street == Street::preflop ? players : 3;
        for (int s = 0; s < actors; ++s) {
            const bool raise = rng.next() < 0.25;
            const PlayerAction action = raise ? PlayerAction{PlayerActionType::raise, 40}
                                              : PlayerAction{PlayerActionType::call, std::nullopt};
            r.events.emplace_back(
                EngineEvent::ActionTaken{playerId(s), action, action.type, raise ? 40 : 20});
            if (s == 0) r.grades.push_back(sampleGrade(hand, street, rng));
        }
    }
    for (int s : {0, 3})
        r.events.emplace_back(EngineEvent::ShowdownRevealed{playerId(s), holes[s], "Two Pair"});
    const int winner = rng.next() < 0.5 ? 0 : 3;
    r.events.emplace_back(EngineEvent::PotAwarded{playerId(winner), 420, 0});
    r.winners.push_back({playerId(winner), 420, "Two Pair"});
    r.humanNet = winner == 0 ? 300 : -120;
    return r;
}

inline HandOutcome outcomeOf(const HandRecord& r) {
    return {r.mode, r.humanNet, r.humanPosition, r.grades};
}

}  // namespace pellox::samples
