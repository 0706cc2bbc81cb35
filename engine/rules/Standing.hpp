#pragma once
#include <cstdint>
#include <string>

namespace pellox {

// One finisher of an ended tournament; kept in memory only.
struct Standing {
    std::string playerId;
    // 1 for the winner.
    std::int64_t place{0};
    // Share of the prize pool, 0 without a payout.
    double payoutFraction{0.0};

    friend bool operator==(const Standing&, const Standing&) = default;
};

}  // namespace pellox
