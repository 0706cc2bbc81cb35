#pragma once
// Stored hands for the review screens' tests: a history of realistic six-player hands with every kind of
// result, and small records built event by event.
#include <memory>
#include <vector>

#include "TestCards.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SampleHands.hpp"
#include "store/StatsStore.hpp"

namespace pellox::app::testing {

// A grade that agreed or not, with a recognisable explanation.
inline GradedDecision grade(bool agreed, PlayerActionType advised = PlayerActionType::call) {
    GradedDecision g;
    g.agreed = agreed;
    g.advisedAction = advised;
    g.explanation = agreed ? "Calling keeps worse hands in." : "The price is too high for this draw.";
    return g;
}

inline std::vector<GradedDecision> grades(int agreed, int total) {
    std::vector<GradedDecision> out;
    for (int i = 0; i < total; ++i)
        out.push_back(grade(i < agreed));
    return out;
}

// n hands, newest first as the store keeps them: hand k won, lost or broke even by turns, some without grades
// and some with every grade agreed.
inline std::vector<HandRecord> generatedHistory(int n, std::uint32_t seed = 2024) {
    SeededRNG rng(seed);
    std::vector<HandRecord> history;
    for (int hand = 1; hand <= n; ++hand) {
        HandRecord record = samples::realisticHand(hand, rng);
        switch (hand % 5) {
            case 0:
                record.humanNet = 0;
                break;
            case 1:
                record.grades.clear();
                break;
            case 2:
                for (auto& g : record.grades)
                    g.agreed = true;
                break;
            default:
                break;
        }
        history = HandRecord::prependingToHistory(std::move(record), std::move(history));
    }
    return history;
}

// Hand start, two blinds, two hole-card deals, three actions (the human's second) and a pot award.
inline HandRecord shortHand() {
    HandRecord r;
    r.id = "3-77";
    r.handNumber = 3;
    r.dealerSeatIndex = 1;
    r.seats = {{"human", "You", 0, 500}, {"bot-1", "Ruth", 1, 500}};
    r.humanHoleCards = test::cards("Th Ks");
    r.events = {
        EngineEvent::HandStarted{3, 1},
        EngineEvent::BlindPosted{"bot-1", BlindKind::small, 5},
        EngineEvent::BlindPosted{"human", BlindKind::big, 10},
        EngineEvent::HoleCardsDealt{"human"},
        EngineEvent::HoleCardsDealt{"bot-1"},
        EngineEvent::ActionTaken{"bot-1", {PlayerActionType::raise, 30}, PlayerActionType::raise, 25},
        EngineEvent::ActionTaken{"human", {PlayerActionType::call, std::nullopt}, PlayerActionType::call, 20},
        EngineEvent::ActionTaken{"bot-1", {PlayerActionType::fold, std::nullopt}, PlayerActionType::fold, 0},
        EngineEvent::PotAwarded{"human", 60, 0}};
    r.grades = {grade(false, PlayerActionType::raise)};
    return r;
}

// A loaded statistics store holding this history.
inline std::unique_ptr<StatsStore> storeWith(const std::vector<HandRecord>& history) {
    auto kv = std::make_shared<InMemoryStore>();
    StatsStore::Snapshot snapshot;
    snapshot.handHistory = history;
    StatsStore::persisted.save(snapshot, *kv);
    auto stats = std::make_unique<StatsStore>();
    stats->load(kv);
    return stats;
}

}  // namespace pellox::app::testing
