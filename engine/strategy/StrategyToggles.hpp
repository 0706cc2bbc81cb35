#pragma once
#include <cstddef>
#include <functional>

#include "rules/Street.hpp"

namespace pellox {

// Which streets the guide advises on.
struct StrategyToggles {
    bool preflop = true;
    bool flop = true;
    bool turn = true;
    bool river = true;

    static const StrategyToggles allOn;  // the default

    // Showdown is never enabled.
    constexpr bool isEnabled(Street street) const noexcept {
        switch (street) {
            case Street::preflop:
                return preflop;
            case Street::flop:
                return flop;
            case Street::turn:
                return turn;
            case Street::river:
                return river;
            case Street::showdown:
                return false;
        }
        return false;
    }

    friend constexpr bool operator==(const StrategyToggles&, const StrategyToggles&) = default;
};

inline constexpr StrategyToggles StrategyToggles::allOn{};

}  // namespace pellox

template <>
struct std::hash<pellox::StrategyToggles> {
    std::size_t operator()(const pellox::StrategyToggles& t) const noexcept {
        return (t.preflop ? 1u : 0u) | (t.flop ? 2u : 0u) | (t.turn ? 4u : 0u) | (t.river ? 8u : 0u);
    }
};
