#include "session/PreAction.hpp"

namespace pellox {

std::optional<PlayerAction> resolve(PreAction preAction, const LegalActions& legal) {
    if (legal.canCheck) return PlayerAction{PlayerActionType::check, std::nullopt};
    switch (preAction) {
        case PreAction::check:
            return std::nullopt;
        case PreAction::checkFold:
            if (legal.canFold) return PlayerAction{PlayerActionType::fold, std::nullopt};
            return std::nullopt;
        case PreAction::callAny:
            if (legal.canCall) return PlayerAction{PlayerActionType::call, legal.callAmount};
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace pellox
