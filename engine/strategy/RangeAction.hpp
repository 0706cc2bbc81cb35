#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

// What a preflop range chart does with a hand class.
enum class RangeAction { raise, call, fold };

template <>
struct EnumCases<RangeAction> {
    static constexpr std::array cases{std::pair{RangeAction::raise, std::string_view{"raise"}},
                                      std::pair{RangeAction::call, std::string_view{"call"}},
                                      std::pair{RangeAction::fold, std::string_view{"fold"}}};
};

}  // namespace pellox
