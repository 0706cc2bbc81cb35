#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/GameMode.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/Player.hpp"
#include "rules/Pot.hpp"
#include "rules/SeatConfig.hpp"
#include "rules/Street.hpp"
#include "rules/Winner.hpp"

namespace pellox {

// The whole table between two steps of play. No equality on purpose: callers compare the fields they
// care about.
struct TableState {
    GameMode mode{GameMode::cash};
    std::vector<Player> players;
    std::vector<Card> deck;
    std::vector<Card> board;
    std::vector<Pot> pots;
    Street street{Street::preflop};
    std::int64_t dealerSeatIndex{0};
    std::optional<std::int64_t> currentToActSeatIndex;
    std::int64_t smallBlind{0};
    std::int64_t bigBlind{0};
    std::int64_t ante{0};
    std::int64_t currentBet{0};
    std::int64_t minRaise{0};
    std::int64_t lastFullBetTo{0};
    std::vector<std::string> noRaiseActorIds;
    std::int64_t raisesThisStreet{0};
    std::int64_t handNumber{0};
    bool isHandInProgress{false};
    std::vector<std::string> actionQueue;
    std::optional<std::vector<Winner>> winners;

    // An empty table.
    TableState() = default;
    // A fresh table before the first hand.
    TableState(GameMode mode, const std::vector<SeatConfig>& seats, std::int64_t smallBlind,
               std::int64_t bigBlind, std::int64_t ante);

    static std::vector<Player> playersFrom(const std::vector<SeatConfig>& seats);

    // Lookups return a pointer into this table (null for none). They are refused on temporaries, whose
    // players would be gone before the pointer is used.
    const Player* player(std::string_view id) const&;
    Player* player(std::string_view id) &;
    const Player* player(std::string_view id) const&& = delete;
    const Player* playerAtSeat(std::int64_t seatIndex) const&;
    Player* playerAtSeat(std::int64_t seatIndex) &;
    const Player* playerAtSeat(std::int64_t seatIndex) const&& = delete;
    // The player with the id; EngineError::missingPlayer when none carries it.
    const Player& requirePlayer(std::string_view id) const&;
    const Player& requirePlayer(std::string_view id) const&& = delete;
    // The same lookups over a list of players alone, for the rules' steps that hold only the list.
    static const Player* playerIn(const std::vector<Player>& players, std::string_view id) noexcept;
    static Player* playerIn(std::vector<Player>& players, std::string_view id) noexcept;
    static const Player* playerAtSeatIn(const std::vector<Player>& players, std::int64_t seatIndex) noexcept;
    static const Player& requirePlayerIn(const std::vector<Player>& players, std::string_view id);
    // The player at currentToActSeatIndex, null when no seat is to act.
    const Player* currentPlayer() const&;
    Player* currentPlayer() &;
    const Player* currentPlayer() const&& = delete;

    // Players other than the given one who hold two hole cards and have not folded.
    std::int64_t opponentCount(std::string_view excludingPlayerId) const;
    // Every chip put in during the current hand.
    std::int64_t potTotal() const;
    // The pot as the given player faces it: without that player's own chips of this street.
    std::int64_t potTotal(std::string_view forPlayerId) const;

    // The given player's stack increased by the amount and the player back in play.
    static std::vector<Player> restack(std::vector<Player> players, std::string_view playerId,
                                       std::int64_t adding);
};

void to_json(Json& j, const TableState& t);
void from_json(const Json& j, TableState& t);

}  // namespace pellox
