#pragma once
#include <cstdint>
#include <vector>

#include "rules/JsonFwd.hpp"
#include "rules/Player.hpp"

namespace pellox {

struct CashGameConfig {
    std::int64_t smallBlind{5};
    std::int64_t bigBlind{10};
    // The starting stack, a busted bot's refill and the human's rebuy.
    std::int64_t defaultBuyIn{1000};

    static const CashGameConfig standard;

    // This configuration at another big blind, the small blind half of it rounded down and at least 1.
    constexpr CashGameConfig withBigBlind(std::int64_t newBigBlind) const noexcept {
        return {newBigBlind < 2 ? 1 : newBigBlind / 2, newBigBlind, defaultBuyIn};
    }

    // Every bot with a stack below 1 gets exactly the buy-in and is back in play; others are unchanged.
    static std::vector<Player> rebuyBustedBots(std::vector<Player> players, std::int64_t buyIn);

    friend bool operator==(const CashGameConfig&, const CashGameConfig&) = default;
};

inline constexpr CashGameConfig CashGameConfig::standard{5, 10, 1000};

void to_json(Json& j, const CashGameConfig& c);
void from_json(const Json& j, CashGameConfig& c);

}  // namespace pellox
