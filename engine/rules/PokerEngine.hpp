#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/EngineResult.hpp"
#include "rules/LegalActions.hpp"
#include "rules/Player.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/Position.hpp"
#include "rules/Pot.hpp"
#include "rules/RandomSource.hpp"
#include "rules/Street.hpp"
#include "rules/TableState.hpp"

namespace pellox {

// The rules of a No-Limit Hold'em hand as stateless operations: each takes a table and returns the next
// one with the events of the step, never changing the table it was given. Refusals throw EngineError.
struct PokerEngine {
    // Positions by the number of players dealt in, from the seat after the dealer to the dealer.
    static const std::map<std::size_t, std::vector<Position>> positionsBySeatCount;

    static Street nextStreet(Street street) noexcept;

    // --- Hand start and legal actions
    // The deck shuffled with 51 draws of the source, then dealt; the table unchanged when no hand can start.
    static EngineResult startHand(const TableState& table, RandomSource draw);
    static LegalActions legalActions(std::string_view playerId, const TableState& table);

    static bool canBeDealtIn(const Player& player) noexcept;
    // Players that can be dealt in, clockwise from the seat after `seat`; `seat` itself comes last.
    static std::vector<Player> seatOrder(const std::vector<Player>& players, std::int64_t seat);
    static std::int64_t nextEligibleSeat(const std::vector<Player>& players, std::int64_t seat);
    static TableState syncCurrentToAct(const TableState& table);
    static void postBlind(std::string_view playerId, std::int64_t amount, EngineEvent::BlindKind kind,
                          std::vector<Player>& players, std::vector<EngineEvent>& events);

    // --- Applying actions and dealing streets
    static EngineResult applyAction(const PlayerAction& action, std::string_view playerId,
                                    const TableState& table);
    static TableState dealStreet(const TableState& table, std::vector<EngineEvent>& events);

    // --- Pots, showdown and awards
    static std::vector<Player> contenders(const std::vector<Player>& players);
    static std::vector<Pot> buildPots(const std::vector<Player>& players);
    static TableState showdown(const TableState& table, std::vector<EngineEvent>& events);
    static TableState awardUncontested(const TableState& table, std::string_view winnerId,
                                       std::vector<EngineEvent>& events);
    static std::vector<std::pair<std::string, std::int64_t>> splitPot(std::int64_t amount,
                                                                      const std::vector<std::string>& ids);
    static std::vector<std::string> orderBySeat(const std::vector<std::string>& ids,
                                                const std::vector<Player>& players, std::int64_t dealerSeat);
};

}  // namespace pellox
