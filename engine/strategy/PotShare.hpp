#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace pellox {

// The most opponents a sample may hold: two hole cards each beside the hero's two fit in one deck.
inline constexpr int maxPotShareOpponents = 26;

// The hero's share of one sample's pot, gathered opponent by opponent without a branch: nothing once any
// opponent scores higher, otherwise 1 / (ties + 1). The shares are the quotients the samplers always added.
class PotShare {
  public:
    // Scores fit in 24 bits, so the difference's sign bit says whether the opponent scored higher.
    constexpr void add(std::int64_t hero, std::int64_t opponent) noexcept {
        const std::int64_t ahead = hero - opponent;
        below_ |= ahead;
        ties_ += ahead == 0;
    }

    constexpr double value() const noexcept {
        // The slot by masks: a branch on the outcome would be mispredicted about every other sample.
        const std::size_t lost = 0 - static_cast<std::size_t>(below_ < 0);
        return shares[(lostSlot & lost) | (static_cast<std::size_t>(ties_) & ~lost)];
    }

  private:
    static constexpr std::size_t lostSlot = maxPotShareOpponents + 1;
    static constexpr auto shares = [] {
        std::array<double, lostSlot + 1> s{};
        for (std::size_t ties = 0; ties < lostSlot; ++ties)
            s[ties] = 1.0 / static_cast<double>(ties + 1);
        s[lostSlot] = 0.0;
        return s;
    }();

    std::int64_t below_{0};
    int ties_{0};
};

}  // namespace pellox
