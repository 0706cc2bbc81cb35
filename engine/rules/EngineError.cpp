#include "rules/EngineError.hpp"

namespace pellox {

EngineError EngineError::notPlayersTurn(std::string_view playerId) {
    return {Case::notPlayersTurn, "It is not " + std::string(playerId) + "'s turn to act"};
}

EngineError EngineError::illegalAction(PlayerActionType type) {
    return {Case::illegalAction, std::string(rawValue(type)) + " is not legal here"};
}

EngineError EngineError::missingPlayer(std::string_view playerId) {
    return {Case::missingPlayer, "no player with id \"" + std::string(playerId) + "\""};
}

EngineError EngineError::tooFewCards(std::int64_t count) {
    return {Case::tooFewCards, "hand evaluation requires at least 5 cards, got " + std::to_string(count)};
}

}  // namespace pellox
