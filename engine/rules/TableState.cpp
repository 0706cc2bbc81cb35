#include "rules/TableState.hpp"

#include <algorithm>
#include <numeric>

#include "rules/EngineError.hpp"
#include "rules/Json.hpp"

namespace pellox {

TableState::TableState(GameMode mode, const std::vector<SeatConfig>& seats, std::int64_t smallBlind,
                       std::int64_t bigBlind, std::int64_t ante)
    : mode(mode),
      players(playersFrom(seats)),
      smallBlind(smallBlind),
      bigBlind(bigBlind),
      ante(ante),
      minRaise(bigBlind) {}

std::vector<Player> TableState::playersFrom(const std::vector<SeatConfig>& seats) {
    std::vector<Player> out;
    out.reserve(seats.size());
    for (std::size_t k = 0; k < seats.size(); ++k) {
        Player p;
        p.id = seats[k].id;
        p.name = seats[k].name;
        p.isBot = seats[k].isBot;
        p.stack = seats[k].startingStack;
        p.seatIndex = static_cast<std::int64_t>(k);
        out.push_back(std::move(p));
    }
    return out;
}

namespace {

template <typename Players, typename Pred>
auto firstWhere(Players& players, Pred pred) -> decltype(&players.front()) {
    auto it = std::find_if(players.begin(), players.end(), pred);
    return it == players.end() ? nullptr : &*it;
}

}  // namespace

const Player* TableState::playerIn(const std::vector<Player>& players, std::string_view id) noexcept {
    return firstWhere(players, [&](const Player& p) { return p.id == id; });
}

Player* TableState::playerIn(std::vector<Player>& players, std::string_view id) noexcept {
    return firstWhere(players, [&](const Player& p) { return p.id == id; });
}

const Player* TableState::playerAtSeatIn(const std::vector<Player>& players,
                                         std::int64_t seatIndex) noexcept {
    return firstWhere(players, [&](const Player& p) { return p.seatIndex == seatIndex; });
}

const Player& TableState::requirePlayerIn(const std::vector<Player>& players, std::string_view id) {
    const Player* found = playerIn(players, id);
    if (found == nullptr) throw EngineError::missingPlayer(id);
    return *found;
}

const Player* TableState::player(std::string_view id) const& {
    return playerIn(players, id);
}

Player* TableState::player(std::string_view id) & {
    return playerIn(players, id);
}

const Player& TableState::requirePlayer(std::string_view id) const& {
    return requirePlayerIn(players, id);
}

const Player* TableState::playerAtSeat(std::int64_t seatIndex) const& {
    return playerAtSeatIn(players, seatIndex);
}

Player* TableState::playerAtSeat(std::int64_t seatIndex) & {
    return firstWhere(players, [&](const Player& p) { return p.seatIndex == seatIndex; });
}

const Player* TableState::currentPlayer() const& {
    return currentToActSeatIndex ? playerAtSeat(*currentToActSeatIndex) : nullptr;
}

Player* TableState::currentPlayer() & {
    return currentToActSeatIndex ? playerAtSeat(*currentToActSeatIndex) : nullptr;
}

std::int64_t TableState::opponentCount(std::string_view excludingPlayerId) const {
    return std::count_if(players.begin(), players.end(), [&](const Player& p) {
        return p.id != excludingPlayerId && p.holeCards.size() == 2 && !p.hasFolded;
    });
}

std::int64_t TableState::potTotal() const {
    return std::accumulate(players.begin(), players.end(), std::int64_t{0},
                           [](std::int64_t sum, const Player& p) { return sum + p.totalContribution; });
}

std::int64_t TableState::potTotal(std::string_view forPlayerId) const {
    const Player* own = player(forPlayerId);
    return potTotal() - (own ? own->streetContribution : 0);
}

std::vector<Player> TableState::restack(std::vector<Player> players, std::string_view playerId,
                                        std::int64_t adding) {
    for (Player& p : players) {
        if (p.id != playerId) continue;
        p.stack += adding;
        p.isSittingOut = false;
        p.isEliminated = false;
    }
    return players;
}

void to_json(Json& j, const TableState& t) {
    j = Json{{"mode", t.mode},
             {"players", t.players},
             {"deck", t.deck},
             {"board", t.board},
             {"pots", t.pots},
             {"street", t.street},
             {"dealerSeatIndex", t.dealerSeatIndex},
             {"smallBlind", t.smallBlind},
             {"bigBlind", t.bigBlind},
             {"ante", t.ante},
             {"currentBet", t.currentBet},
             {"minRaise", t.minRaise},
             {"lastFullBetTo", t.lastFullBetTo},
             {"noRaiseActorIds", t.noRaiseActorIds},
             {"raisesThisStreet", t.raisesThisStreet},
             {"handNumber", t.handNumber},
             {"isHandInProgress", t.isHandInProgress},
             {"actionQueue", t.actionQueue}};
    json::writeOptional(j, "currentToActSeatIndex", t.currentToActSeatIndex);
    json::writeOptional(j, "winners", t.winners);
}

void from_json(const Json& j, TableState& t) {
    TableState out;
    out.mode = json::read<GameMode>(j, "mode");
    out.players = json::read<std::vector<Player>>(j, "players");
    out.deck = json::read<std::vector<Card>>(j, "deck");
    out.board = json::read<std::vector<Card>>(j, "board");
    out.pots = json::read<std::vector<Pot>>(j, "pots");
    out.street = json::read<Street>(j, "street");
    out.dealerSeatIndex = json::read<std::int64_t>(j, "dealerSeatIndex");
    out.currentToActSeatIndex = json::readOptional<std::int64_t>(j, "currentToActSeatIndex");
    out.smallBlind = json::read<std::int64_t>(j, "smallBlind");
    out.bigBlind = json::read<std::int64_t>(j, "bigBlind");
    out.ante = json::read<std::int64_t>(j, "ante");
    out.currentBet = json::read<std::int64_t>(j, "currentBet");
    out.minRaise = json::read<std::int64_t>(j, "minRaise");
    out.lastFullBetTo = json::read<std::int64_t>(j, "lastFullBetTo");
    out.noRaiseActorIds = json::read<std::vector<std::string>>(j, "noRaiseActorIds");
    out.raisesThisStreet = json::read<std::int64_t>(j, "raisesThisStreet");
    out.handNumber = json::read<std::int64_t>(j, "handNumber");
    out.isHandInProgress = json::read<bool>(j, "isHandInProgress");
    out.actionQueue = json::read<std::vector<std::string>>(j, "actionQueue");
    out.winners = json::readOptional<std::vector<Winner>>(j, "winners");
    t = std::move(out);
}

}  // namespace pellox
