#pragma once
// The order in which the hole cards fly to the seats.
#include <cstdint>
#include <vector>

namespace pellox {

struct DealStep {
    std::int64_t seatIndex = 0;
    std::int64_t round = 0;  // 0 for every seat's first card, 1 for the second
    std::int64_t order = 0;  // place in the whole deal, from 0 without gaps

    // Clockwise from the first seat after the dealer, two rounds of one card each.
    static std::vector<DealStep> dealingOrder(std::vector<std::int64_t> seatIndices,
                                              std::int64_t dealerSeatIndex);

    friend bool operator==(const DealStep&, const DealStep&) = default;
};

}  // namespace pellox
