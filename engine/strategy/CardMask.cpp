#include "strategy/CardMask.hpp"

namespace pellox::detail {

SuitRankLists::SuitRankLists() noexcept {
    for (std::size_t mask = 0; mask < ranks.size(); ++mask) {
        std::uint8_t n = 0;
        for (std::uint8_t rank = 0; rank < 13; ++rank)
            if (mask >> rank & 1u) ranks[mask][n++] = rank;
        counts[mask] = n;
    }
}

[[gnu::init_priority(200)]] const SuitRankLists suitRankLists;

}  // namespace pellox::detail
