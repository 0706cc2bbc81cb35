#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

// The action types of a player plus a posted blind, as shown at the seat.
enum class LastActionType { fold, check, call, bet, raise, allIn, postBlind };

template <>
struct EnumCases<LastActionType> {
    static constexpr std::array cases{std::pair{LastActionType::fold, std::string_view{"fold"}},
                                      std::pair{LastActionType::check, std::string_view{"check"}},
                                      std::pair{LastActionType::call, std::string_view{"call"}},
                                      std::pair{LastActionType::bet, std::string_view{"bet"}},
                                      std::pair{LastActionType::raise, std::string_view{"raise"}},
                                      std::pair{LastActionType::allIn, std::string_view{"all-in"}},
                                      std::pair{LastActionType::postBlind, std::string_view{"post-blind"}}};
};

}  // namespace pellox
