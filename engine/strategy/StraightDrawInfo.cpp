#include "strategy/StraightDrawInfo.hpp"

#include <algorithm>
#include <cstdint>

namespace pellox {

StraightDrawInfo StraightDrawInfo::evaluate(std::span<const Card> cards) noexcept {
    std::uint32_t ranks = 0;
    for (const Card& c : cards)
        ranks |= 1u << value(c.rank);
    if (ranks & (1u << 14)) ranks |= 1u << 1;  // the wheel's ace

    std::int64_t outs = 0;
    for (int s = 1; s <= 10; ++s) {
        int missingCount = 0;
        int missing = 0;
        for (int r = s; r <= s + 4; ++r) {
            if (!(ranks & (1u << r))) {
                ++missingCount;
                missing = r;
            }
        }
        if (missingCount != 1) continue;
        if (missing != s && missing != s + 4) {
            outs = std::max<std::int64_t>(outs, 4);
            continue;
        }
        int otherEnd = missing == s ? s + 5 : s - 1;
        outs = std::max<std::int64_t>(outs, otherEnd >= 2 && otherEnd <= 14 ? 8 : 4);
    }
    Kind kind = outs >= 8 ? Kind::openEnded : outs == 4 ? Kind::gutshot : Kind::none;
    return {outs, kind};
}

}  // namespace pellox
