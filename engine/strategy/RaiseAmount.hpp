#pragma once
#include <algorithm>
#include <cstdint>

#include "rules/Card.hpp"
#include "rules/LegalActions.hpp"

namespace pellox {

// The amount a bet or raise proposed by the guide or a bot goes to: rounded to the chip step first, then kept
// inside [minRaiseTo, maxRaiseTo], so the result is always legal even when the range's ends are not
// multiples of the step (a short all-in, an odd minimum raise).
inline std::int64_t roundAndClampRaise(double proposed, std::int64_t minRaiseTo,
                                       std::int64_t maxRaiseTo) noexcept {
    return std::min(std::max(roundToChipStep(proposed), minRaiseTo), maxRaiseTo);
}

inline std::int64_t roundAndClampRaise(double proposed, const LegalActions& legal) noexcept {
    return roundAndClampRaise(proposed, legal.minRaiseTo, legal.maxRaiseTo);
}

}  // namespace pellox
