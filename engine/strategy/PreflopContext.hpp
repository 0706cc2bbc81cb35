#pragma once
#include <cstdint>

#include "rules/RawEnum.hpp"

namespace pellox {

// The row of the preflop charts: how many raises came before the decision.
enum class PreflopContext { open, facingOpen, facing3Bet };

template <>
struct EnumCases<PreflopContext> {
    static constexpr std::array cases{std::pair{PreflopContext::open, std::string_view{"open"}},
                                      std::pair{PreflopContext::facingOpen, std::string_view{"facing-open"}},
                                      std::pair{PreflopContext::facing3Bet, std::string_view{"facing-3bet"}}};
};

// No raise yet is first in, one raise is an open to face, two or more a 3-bet. A count below zero cannot come
// from a table; it reads as no raise.
constexpr PreflopContext preflopContext(std::int64_t raisesBefore) noexcept {
    if (raisesBefore <= 0) return PreflopContext::open;
    if (raisesBefore == 1) return PreflopContext::facingOpen;
    return PreflopContext::facing3Bet;
}

}  // namespace pellox
