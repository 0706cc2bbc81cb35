#pragma once
// Small builders for the advisor's tests: cards from text, seated players, events.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/TableState.hpp"

#include "TestCards.hpp"

namespace pellox::advisortest {

using test::card;
using test::cards;

inline Player seat(std::string id, std::int64_t seatIndex, Position position, std::string_view hole,
                   std::int64_t stack = 1000) {
    Player p;
    p.name = "Player " + id;
    p.id = std::move(id);
    p.seatIndex = seatIndex;
    p.position = position;
    p.holeCards = cards(hole);
    p.stack = stack;
    return p;
}

// An action as chosen and as the table resolved it (an all-in that only calls is a call).
inline EngineEvent actedAs(std::string id, PlayerActionType chosen, PlayerActionType resolved) {
    EngineEvent::ActionTaken taken;
    taken.playerId = std::move(id);
    taken.action.type = chosen;
    taken.resolvedType = resolved;
    return EngineEvent(taken);
}

inline EngineEvent acted(std::string id, PlayerActionType type) {
    return actedAs(std::move(id), type, type);
}

inline EngineEvent dealt(Street street, std::string_view board) {
    return EngineEvent(EngineEvent::StreetDealt{street, cards(board)});
}

inline EngineEvent blind(std::string id, std::int64_t amount) {
    return EngineEvent(EngineEvent::BlindPosted{std::move(id), BlindKind::big, amount});
}

}  // namespace pellox::advisortest
