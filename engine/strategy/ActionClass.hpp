#pragma once
#include "rules/PlayerActionType.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

// The kind of an action for grading: folding, passive (check, call) or aggressive (bet, raise, all-in).
enum class ActionClass { fold, passive, aggressive };

template <>
struct EnumCases<ActionClass> {
    static constexpr std::array cases{std::pair{ActionClass::fold, std::string_view{"fold"}},
                                      std::pair{ActionClass::passive, std::string_view{"passive"}},
                                      std::pair{ActionClass::aggressive, std::string_view{"aggressive"}}};
};

constexpr ActionClass actionClass(PlayerActionType type) noexcept {
    switch (type) {
        case PlayerActionType::fold:
            return ActionClass::fold;
        case PlayerActionType::check:
        case PlayerActionType::call:
            return ActionClass::passive;
        case PlayerActionType::bet:
        case PlayerActionType::raise:
        case PlayerActionType::allIn:
            return ActionClass::aggressive;
    }
    return ActionClass::fold;
}

}  // namespace pellox
