#pragma once
// An action the human arms ahead of their turn, and what it becomes when the turn comes.
#include <optional>
#include <string_view>

#include "rules/LegalActions.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/RawEnum.hpp"

namespace pellox {

enum class PreAction { check, checkFold, callAny };

template <>
struct EnumCases<PreAction> {
    static constexpr std::array cases{std::pair{PreAction::check, std::string_view{"check"}},
                                      std::pair{PreAction::checkFold, std::string_view{"check-fold"}},
                                      std::pair{PreAction::callAny, std::string_view{"call-any"}}};
};

// The button text.
constexpr std::string_view label(PreAction preAction) noexcept {
    switch (preAction) {
        case PreAction::check:
            return "Check";
        case PreAction::checkFold:
            return "Check / Fold";
        case PreAction::callAny:
            return "Call Any";
    }
    return {};
}

// A free check always wins; otherwise check-fold folds and call-any calls the exact amount. None when the
// armed choice no longer fits, and the decision is left to the human.
std::optional<PlayerAction> resolve(PreAction preAction, const LegalActions& legal);

}  // namespace pellox
