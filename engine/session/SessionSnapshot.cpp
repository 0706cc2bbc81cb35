#include "session/SessionSnapshot.hpp"

#include <algorithm>
#include <array>
#include <set>

#include "rules/Json.hpp"
#include "store/HandRecord.hpp"

namespace pellox {

namespace {

using Problem = std::optional<std::string>;

bool withinChips(std::int64_t amount) {
    return amount >= 0 && amount <= SessionSnapshot::chipLimit;
}

bool hasPlayer(const TableState& t, const std::string& id) {
    return t.player(id) != nullptr;
}

// Seat indices are exactly 0 to n-1, each once, and ids are unique.
Problem seatingProblem(const TableState& t) {
    const auto n = static_cast<std::int64_t>(t.players.size());
    if (n == 0) return "a table without players";
    std::set<std::int64_t> seats;
    std::set<std::string> ids;
    for (const Player& p : t.players) {
        if (p.seatIndex < 0 || p.seatIndex >= n) return "a seat index out of range";
        if (!seats.insert(p.seatIndex).second) return "a repeated seat index";
        if (!ids.insert(p.id).second) return "a repeated player id";
    }
    if (t.dealerSeatIndex < 0 || t.dealerSeatIndex >= n) return "a dealer seat out of range";
    if (t.isHandInProgress && !t.currentToActSeatIndex) return "a hand in progress with nobody to act";
    if (t.currentToActSeatIndex) {
        const Player* acting = t.playerAtSeat(*t.currentToActSeatIndex);
        if (!acting) return "a seat to act out of range";
        if (!t.isHandInProgress || acting->hasFolded || acting->isAllIn || acting->isEliminated ||
            acting->isSittingOut || acting->holeCards.size() != 2)
            return "a seat to act whose player is not in the hand";
    }
    for (const auto& id : t.actionQueue)
        if (!hasPlayer(t, id)) return "an unknown player in the action queue";
    for (const auto& id : t.noRaiseActorIds)
        if (!hasPlayer(t, id)) return "an unknown player who may not raise";
    return std::nullopt;
}

// Every card at most once; a hand in progress has the board of its street and the cards still to come.
Problem cardProblem(const TableState& t) {
    std::array<bool, 52> seen{};
    auto mark = [&](const std::vector<Card>& cards) {
        for (const Card& c : cards) {
            if (seen[static_cast<std::size_t>(c.index())]) return false;
            seen[static_cast<std::size_t>(c.index())] = true;
        }
        return true;
    };
    if (!mark(t.deck) || !mark(t.board)) return "a repeated card";
    for (const Player& p : t.players) {
        if (p.holeCards.size() != 0 && p.holeCards.size() != 2)
            return "a player with one or more than two cards";
        if (!mark(p.holeCards)) return "a repeated card";
    }
    if (t.board.size() > 5) return "a board of more than five cards";
    if (t.isHandInProgress) {
        if (t.street == Street::showdown) return "a hand in progress at the showdown";
        if (t.board.size() != boardSize(t.street)) return "a board that does not match its street";
        if (t.deck.size() < 5 - t.board.size()) return "a deck too short for the streets to come";
    }
    return std::nullopt;
}

Problem chipProblem(const SessionSnapshot& s) {
    const TableState& t = s.table;
    std::int64_t total = 0;
    for (const Player& p : t.players) {
        for (std::int64_t amount : {p.stack, p.streetContribution, p.totalContribution}) {
            if (!withinChips(amount)) return "a chip count out of range";
            total += amount;
        }
    }
    for (const Pot& pot : t.pots)
        if (!withinChips(pot.amount)) return "a chip count out of range";
    if (t.winners)
        for (const Winner& w : *t.winners)
            if (!withinChips(w.amount) || !hasPlayer(t, w.playerId)) return "an impossible winner";
    for (std::int64_t amount : {t.smallBlind, t.bigBlind, t.ante, t.currentBet, t.minRaise, t.lastFullBetTo,
                                t.raisesThisStreet, t.handNumber, s.humanStackAtHandStart})
        if (!withinChips(amount)) return "a chip count out of range";
    for (const HandSeat& seat : s.handSeatsSnapshot)
        if (!withinChips(seat.startingStack)) return "a chip count out of range";
    if (total > SessionSnapshot::chipLimit) return "more chips than a game can hold";
    return std::nullopt;
}

// Event amounts are summed again by the replay of the hand's record.
Problem eventProblem(const SessionSnapshot& s) {
    for (const EngineEvent& e : s.currentHandEvents) {
        bool ok = true;
        if (const auto* b = e.as<EngineEvent::BlindPosted>()) ok = withinChips(b->amount);
        if (const auto* a = e.as<EngineEvent::ActionTaken>())
            ok = withinChips(a->amountPutIn) && (!a->action.amount || withinChips(*a->action.amount));
        if (const auto* w = e.as<EngineEvent::PotAwarded>())
            ok = withinChips(w->amount) && withinChips(w->potIndex);
        if (const auto* h = e.as<EngineEvent::HandStarted>())
            ok = withinChips(h->handNumber) && withinChips(h->dealerSeatIndex);
        if (!ok) return "an event amount out of range";
    }
    return std::nullopt;
}

Problem eliminationProblem(const SessionSnapshot& s) {
    std::set<std::string> ids;
    for (const auto& id : s.eliminationOrder) {
        if (!hasPlayer(s.table, id)) return "an unknown player in the elimination order";
        if (!ids.insert(id).second) return "a player eliminated twice";
    }
    return std::nullopt;
}

}  // namespace

std::string SessionSnapshot::handId() const {
    return HandRecord::identifier(table.handNumber, currentHandSeed);
}

std::optional<std::string> SessionSnapshot::inconsistency() const {
    if (mode != table.mode) return "a mode that is not the table's";
    for (auto check : {seatingProblem(table), cardProblem(table), chipProblem(*this), eventProblem(*this),
                       eliminationProblem(*this)})
        if (check) return check;
    return std::nullopt;
}

void to_json(Json& j, const SessionSnapshot& s) {
    Json profiles = Json::object();
    for (const auto& [id, profile] : s.botProfiles)
        profiles[id] = profile;
    j = Json::object();
    j["table"] = s.table;
    j["mode"] = s.mode;
    j["botProfiles"] = std::move(profiles);
    j["currentHandEvents"] = s.currentHandEvents;
    j["handSeatsSnapshot"] = s.handSeatsSnapshot;
    j["humanStackAtHandStart"] = s.humanStackAtHandStart;
    j["eliminationOrder"] = s.eliminationOrder;
    j["sessionSeed"] = s.sessionSeed;
    j["gameRngState"] = s.gameRngState;
    j["adviceRngState"] = s.adviceRngState;
    j["currentHandSeed"] = s.currentHandSeed;
    j["sessionSummary"] = s.sessionSummary;
}

void from_json(const Json& j, SessionSnapshot& s) {
    SessionSnapshot out;
    out.table = json::read<TableState>(j, "table");
    out.mode = json::read<GameMode>(j, "mode");
    const Json& profiles = json::requireObject(json::member(j, "botProfiles"));
    for (const auto& [id, profile] : profiles.items())
        out.botProfiles[id] = json::as<BotProfile>(profile);
    out.currentHandEvents = json::read<std::vector<EngineEvent>>(j, "currentHandEvents");
    out.handSeatsSnapshot = json::read<std::vector<HandSeat>>(j, "handSeatsSnapshot");
    out.humanStackAtHandStart = json::read<std::int64_t>(j, "humanStackAtHandStart");
    out.eliminationOrder = json::read<std::vector<std::string>>(j, "eliminationOrder");
    out.sessionSeed = json::read<std::int32_t>(j, "sessionSeed");
    out.gameRngState = json::read<std::int32_t>(j, "gameRngState");
    out.adviceRngState = json::read<std::int32_t>(j, "adviceRngState");
    out.currentHandSeed = json::read<std::int32_t>(j, "currentHandSeed");
    out.sessionSummary = json::read<SessionSummary>(j, "sessionSummary");
    if (auto problem = out.inconsistency()) json::fail(j, *problem);
    s = std::move(out);
}

}  // namespace pellox
