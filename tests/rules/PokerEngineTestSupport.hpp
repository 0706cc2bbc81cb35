#pragma once
// Small builders shared by the rules-engine tests.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "rules/Card.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/SeatConfig.hpp"
#include "rules/TableState.hpp"

#include "TestCards.hpp"

namespace pellox::testing {

using test::card;
using test::cards;

// Players "p0", "p1", ... in seats 0, 1, ... with the given stacks.
inline TableState makeTable(const std::vector<std::int64_t>& stacks, std::int64_t smallBlind = 5,
                            std::int64_t bigBlind = 10, std::int64_t ante = 0) {
    std::vector<SeatConfig> seats;
    for (std::size_t i = 0; i < stacks.size(); ++i)
        seats.push_back({"p" + std::to_string(i), "Player " + std::to_string(i), i != 0, stacks[i]});
    return TableState(GameMode::cash, seats, smallBlind, bigBlind, ante);
}

// Draws just below 1 leave the deck in standard order, so hole cards are predictable: the first dealt
// player holds 2c 3c, the next 4c 5c, and so on.
inline EngineResult startUnshuffled(const TableState& table) {
    auto justBelowOne = [] { return 0.999999999; };
    return PokerEngine::startHand(table, justBelowOne);
}

inline EngineResult act(const TableState& table, std::string_view playerId, PlayerActionType type,
                        std::optional<std::int64_t> amount = std::nullopt) {
    return PokerEngine::applyAction(PlayerAction{type, amount}, playerId, table);
}

// The id of the player to act; empty when nobody is.
inline std::string toAct(const TableState& table) {
    const Player* p = table.currentPlayer();
    return p == nullptr ? std::string{} : p->id;
}

inline std::int64_t chipsOnTable(const TableState& table) {
    std::int64_t sum = 0;
    for (const Player& p : table.players)
        sum += p.stack + p.totalContribution;
    return sum;
}

inline std::int64_t stacks(const TableState& table) {
    std::int64_t sum = 0;
    for (const Player& p : table.players)
        sum += p.stack;
    return sum;
}

// Every field of a table, for comparing two tables as a whole.
inline auto allFields(const TableState& t) {
    return std::tie(t.mode, t.players, t.deck, t.board, t.pots, t.street, t.dealerSeatIndex,
                    t.currentToActSeatIndex, t.smallBlind, t.bigBlind, t.ante, t.currentBet, t.minRaise,
                    t.lastFullBetTo, t.noRaiseActorIds, t.raisesThisStreet, t.handNumber, t.isHandInProgress,
                    t.actionQueue, t.winners);
}

inline bool sameTable(const TableState& a, const TableState& b) {
    return allFields(a) == allFields(b);
}

template <typename Case>
std::vector<Case> eventsOf(const std::vector<EngineEvent>& events) {
    std::vector<Case> out;
    for (const auto& e : events)
        if (const Case* c = e.as<Case>()) out.push_back(*c);
    return out;
}

// One seat of a river table: what the player put in, and how he stands.
struct RiverSeat {
    std::int64_t contributed;
    bool allIn = false;
    bool folded = false;
    std::vector<Card> hole = {};
};

// A table at the river with the given contributions, everyone else's chips left at 1000, yet to be
// settled.
inline TableState riverTable(const std::vector<RiverSeat>& seats, std::vector<Card> board,
                             std::int64_t dealer) {
    TableState t = makeTable(std::vector<std::int64_t>(seats.size(), 1000));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        Player& p = t.players[i];
        p.totalContribution = seats[i].contributed;
        p.stack = seats[i].allIn ? 0 : 1000;
        p.isAllIn = seats[i].allIn;
        p.hasFolded = seats[i].folded;
        p.holeCards = seats[i].hole;
    }
    t.board = std::move(board);
    t.street = Street::river;
    t.dealerSeatIndex = dealer;
    t.isHandInProgress = true;
    return t;
}

}  // namespace pellox::testing
