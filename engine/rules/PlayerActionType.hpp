#pragma once
#include "rules/RawEnum.hpp"

namespace pellox {

enum class PlayerActionType { fold, check, call, bet, raise, allIn };

template <>
struct EnumCases<PlayerActionType> {
    static constexpr std::array cases{std::pair{PlayerActionType::fold, std::string_view{"fold"}},
                                      std::pair{PlayerActionType::check, std::string_view{"check"}},
                                      std::pair{PlayerActionType::call, std::string_view{"call"}},
                                      std::pair{PlayerActionType::bet, std::string_view{"bet"}},
                                      std::pair{PlayerActionType::raise, std::string_view{"raise"}},
                                      std::pair{PlayerActionType::allIn, std::string_view{"all-in"}}};
};

}  // namespace pellox
