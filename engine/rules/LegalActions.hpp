#pragma once
#include <cstdint>

namespace pellox {

// What the player to act may do. Bet and raise bounds are street totals to go to.
struct LegalActions {
    bool canFold{false};
    bool canCheck{false};
    bool canCall{false};
    std::int64_t callAmount{0};
    bool canBet{false};
    bool canRaise{false};
    std::int64_t minRaiseTo{0};
    std::int64_t maxRaiseTo{0};
    bool canAllIn{false};
    std::int64_t allInAmount{0};

    // Every flag false and every amount 0.
    static const LegalActions none;

    friend bool operator==(const LegalActions&, const LegalActions&) = default;
};

inline constexpr LegalActions LegalActions::none{};

}  // namespace pellox
