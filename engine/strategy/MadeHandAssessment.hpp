#pragma once
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>

#include "rules/Card.hpp"
#include "rules/HandEvaluator.hpp"
#include "strategy/MadeHandTier.hpp"

namespace pellox {

// What hole cards and board make together: the category and a coarse grade, plus the short text the advice
// and the seat badge show.
struct MadeHandAssessment {
    HandCategory category{HandCategory::highCard};
    MadeHandTier tier{MadeHandTier::air};

    // Trips and better, built once.
    static const std::set<HandCategory>& monsterCategories();
    // Rank names inside labels, built once: "A", "K", "Q", "J", "10", "9" ... "2" (the ten is "10").
    static const std::map<std::int64_t, std::string>& rankNames();
    // The name of a rank number; empty for a number that is not a rank.
    static std::string rankName(std::int64_t rank);

    // Fewer than five cards in all grade as highCard and air.
    static MadeHandAssessment assess(std::span<const Card> hole, std::span<const Card> board);
    // "Top Pair (K)", "Flush Draw", "Full House"...; none unless there are exactly two hole cards and at
    // least three board cards.
    static std::optional<std::string> label(std::span<const Card> hole, std::span<const Card> board);

    friend bool operator==(const MadeHandAssessment&, const MadeHandAssessment&) = default;
};

}  // namespace pellox
