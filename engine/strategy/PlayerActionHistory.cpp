#include "strategy/PlayerActionHistory.hpp"

#include "strategy/ActionClass.hpp"

namespace pellox {

std::map<std::string, PlayerActionHistory> PlayerActionHistory::build(
    const std::vector<EngineEvent>& events) {
    std::map<std::string, PlayerActionHistory> histories;
    std::int64_t betsThisStreet = 0;
    bool preflop = true;
    for (const EngineEvent& event : events) {
        if (event.is<EngineEvent::StreetDealt>()) {
            preflop = false;
            betsThisStreet = 0;
            continue;
        }
        const auto* taken = event.as<EngineEvent::ActionTaken>();
        if (taken == nullptr) continue;
        // Preflop comes first, so a player's history starts with the first preflop action if there is one.
        const auto [entry, isFirstAction] = histories.try_emplace(taken->playerId);
        PlayerActionHistory& history = entry->second;
        // The resolved type decides: an all-in that only calls is a call.
        const bool aggressive = actionClass(taken->resolvedType) == ActionClass::aggressive;
        const bool calls = taken->resolvedType == PlayerActionType::call;
        if (preflop) {
            if (isFirstAction) history.raisesFacedPreflop = betsThisStreet;
            if (aggressive)
                history.preflopAction = RangeAction::raise;
            else if (calls && history.preflopAction != RangeAction::raise)
                history.preflopAction = RangeAction::call;
        } else {
            if (aggressive)
                history.postflopAggression = PostflopAggression::aggressive;
            else if (calls && history.postflopAggression != PostflopAggression::aggressive)
                history.postflopAggression = PostflopAggression::passive;
        }
        if (aggressive) ++betsThisStreet;
    }
    return histories;
}

}  // namespace pellox
