#include "view/DealStep.hpp"

#include <algorithm>

namespace pellox {

std::vector<DealStep> DealStep::dealingOrder(std::vector<std::int64_t> seatIndices,
                                             std::int64_t dealerSeatIndex) {
    std::sort(seatIndices.begin(), seatIndices.end());
    auto first = std::upper_bound(seatIndices.begin(), seatIndices.end(), dealerSeatIndex);
    if (first == seatIndices.end()) first = seatIndices.begin();
    std::rotate(seatIndices.begin(), first, seatIndices.end());

    std::vector<DealStep> steps;
    steps.reserve(seatIndices.size() * 2);
    std::int64_t order = 0;
    for (std::int64_t round = 0; round < 2; ++round)
        for (std::int64_t seat : seatIndices)
            steps.push_back({seat, round, order++});
    return steps;
}

}  // namespace pellox
