#pragma once
// The card shown after a hand: the human's decisions against the guide and who won.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/Winner.hpp"
#include "strategy/GradedDecision.hpp"
#include "view/PlayerNameSource.hpp"

namespace pellox {

enum class HandVerdict { clean, mixed, off, ungraded };

struct HandReport {
    std::int64_t netChips = 0;
    std::vector<GradedDecision> decisions;
    std::int64_t agreedCount = 0;
    HandVerdict verdict = HandVerdict::ungraded;
    std::optional<double> accuracy;  // none without decisions
    std::optional<GradedDecision> firstMisstep;
    std::string resultLine;

    // `winners` as won: without a bet handed back unmatched (UncalledBet::winnersAsWon), so the result line
    // never names a player for his own chips.
    HandReport(std::vector<GradedDecision> decisions, std::int64_t netChips,
               const std::vector<Winner>& winners, const PlayerNameSource& playerName);

    std::int64_t decisionCount() const { return static_cast<std::int64_t>(decisions.size()); }
    bool isWin() const { return netChips > 0; }

    friend bool operator==(const HandReport&, const HandReport&) = default;
};

// "A+", "A", "B", "C" or "F" (also for NaN).
std::string letterGrade(double accuracy);

}  // namespace pellox
