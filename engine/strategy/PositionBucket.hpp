#pragma once
#include "rules/Position.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

// The column of the preflop charts: seats that play alike share one chart.
enum class PositionBucket { early, middle, late, sb, bb };

template <>
struct EnumCases<PositionBucket> {
    static constexpr std::array cases{std::pair{PositionBucket::early, std::string_view{"early"}},
                                      std::pair{PositionBucket::middle, std::string_view{"middle"}},
                                      std::pair{PositionBucket::late, std::string_view{"late"}},
                                      std::pair{PositionBucket::sb, std::string_view{"sb"}},
                                      std::pair{PositionBucket::bb, std::string_view{"bb"}}};
};

// The bucket a seat position reads its charts from.
constexpr PositionBucket positionBucket(Position position) noexcept {
    switch (position) {
        case Position::utg:
        case Position::utg1:
            return PositionBucket::early;
        case Position::mp:
        case Position::mp1:
        case Position::hj:
            return PositionBucket::middle;
        case Position::co:
        case Position::btn:
            return PositionBucket::late;
        case Position::sb:
            return PositionBucket::sb;
        case Position::bb:
            return PositionBucket::bb;
    }
    return PositionBucket::late;
}

}  // namespace pellox
