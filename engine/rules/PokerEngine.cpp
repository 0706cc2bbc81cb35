#include "rules/PokerEngine.hpp"

#include <algorithm>
#include <limits>
#include <optional>

#include "rules/Card.hpp"
#include "rules/EngineError.hpp"
#include "rules/HandEvaluator.hpp"
#include "rules/Saturating.hpp"

namespace pellox {

const std::map<std::size_t, std::vector<Position>> PokerEngine::positionsBySeatCount{
    {2, {Position::bb, Position::sb}},
    {3, {Position::sb, Position::bb, Position::btn}},
    {4, {Position::sb, Position::bb, Position::utg, Position::btn}},
    {5, {Position::sb, Position::bb, Position::utg, Position::co, Position::btn}},
    {6, {Position::sb, Position::bb, Position::utg, Position::hj, Position::co, Position::btn}},
};

namespace {

using Players = std::vector<Player>;

std::int64_t floorMod(std::int64_t x, std::int64_t n) noexcept {
    const std::int64_t r = x % n;
    return r < 0 ? r + n : r;
}

// A counter read from a stored table may already be at its limit; it then stays there.
std::int64_t countUp(std::int64_t n) noexcept {
    return saturatingAdd(n, 1);
}

bool isContender(const Player& p) noexcept {
    return p.holeCards.size() == 2 && !p.hasFolded;
}
bool canStillBet(const Player& p) noexcept {
    return !p.hasFolded && !p.isAllIn;
}

void syncInPlace(TableState& table);
void dealStreetInPlace(TableState& table, std::vector<EngineEvent>& events);

// Indices into `players` of those who can be dealt in, clockwise from the seat after `seat`.
std::vector<std::size_t> seatOrderIndices(const Players& players, std::int64_t seat) {
    std::vector<std::size_t> order;
    const auto n = static_cast<std::int64_t>(players.size());
    if (n == 0) return order;
    const std::int64_t from = floorMod(seat, n);
    for (std::int64_t k = 1; k <= n; ++k) {
        const Player* p = TableState::playerAtSeatIn(players, floorMod(from + k, n));
        if (p && PokerEngine::canBeDealtIn(*p)) order.push_back(static_cast<std::size_t>(p - players.data()));
    }
    return order;
}

// The ids by ascending key, equal keys keeping their order.
std::vector<std::string> idsByKey(std::vector<std::pair<std::int64_t, std::string>> keyed) {
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> ids;
    ids.reserve(keyed.size());
    for (auto& entry : keyed)
        ids.push_back(std::move(entry.second));
    return ids;
}

// Keeps the queued ids whose players can still bet; an id the list lacks is an inconsistent table.
std::vector<std::string> stillBetting(const std::vector<std::string>& ids, const Players& players) {
    std::vector<std::string> out;
    out.reserve(ids.size());
    for (const auto& id : ids)
        if (canStillBet(TableState::requirePlayerIn(players, id))) out.push_back(id);
    return out;
}

LastActionType lastActionType(PlayerActionType type) noexcept {
    switch (type) {
        case PlayerActionType::fold:
            return LastActionType::fold;
        case PlayerActionType::check:
            return LastActionType::check;
        case PlayerActionType::call:
            return LastActionType::call;
        case PlayerActionType::bet:
            return LastActionType::bet;
        case PlayerActionType::raise:
            return LastActionType::raise;
        case PlayerActionType::allIn:
            return LastActionType::allIn;
    }
    return LastActionType::fold;
}

// ---------------------------------------------------------------- hand start

std::size_t eligibleCount(const Players& players) {
    return static_cast<std::size_t>(std::count_if(players.begin(), players.end(), PokerEngine::canBeDealtIn));
}

bool canDealHand(const TableState& table) {
    return PokerEngine::positionsBySeatCount.contains(eligibleCount(table.players));
}

std::int64_t dealerFor(const TableState& table) {
    if (table.handNumber != 0) return PokerEngine::nextEligibleSeat(table.players, table.dealerSeatIndex);
    const auto first = std::find_if(table.players.begin(), table.players.end(), PokerEngine::canBeDealtIn);
    return first->seatIndex;
}

// Fresh hand state for every player: the eligible take two cards each in list order and their positions.
void dealPlayers(Players& players, const std::vector<std::size_t>& order,
                 const std::vector<Position>& positions, std::vector<Card>& deck) {
    std::vector<std::optional<Position>> positionOf(players.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        positionOf[order[i]] = positions[i];
    std::size_t dealt = 0;
    for (std::size_t i = 0; i < players.size(); ++i) {
        Player& p = players[i];
        // Only seated players are dealt in: one whose seat index is out of range or taken by an earlier
        // player never comes up in the seat order, so he could not act.
        if (positionOf[i]) {
            p.holeCards = {deck[dealt], deck[dealt + 1]};
            dealt += 2;
            p.position = *positionOf[i];
            p.hasFolded = false;
        } else {
            p.holeCards.clear();
            p.hasFolded = true;
        }
        p.isAllIn = false;
        p.streetContribution = 0;
        p.totalContribution = 0;
        p.lastAction.reset();
    }
    deck.erase(deck.begin(), deck.begin() + static_cast<std::ptrdiff_t>(dealt));
}

void postAntes(Players& players, std::int64_t ante, std::vector<EngineEvent>& events) {
    if (ante < 1) return;
    for (Player& p : players) {
        if (p.holeCards.size() != 2) continue;
        const std::int64_t put = std::min(p.stack, ante);
        const bool hadChips = p.stack >= 1;
        p.stack -= put;
        p.totalContribution = saturatingAdd(p.totalContribution, put);
        if (p.stack == 0) p.isAllIn = true;
        if (hadChips) events.emplace_back(EngineEvent::BlindPosted{p.id, EngineEvent::BlindKind::ante, put});
    }
}

std::optional<std::size_t> firstWithPosition(const Players& players, const std::vector<std::size_t>& order,
                                             Position position) {
    for (std::size_t k = 0; k < order.size(); ++k)
        if (players[order[k]].position == position) return k;
    return std::nullopt;
}

// Preflop order: the seat order rotated to begin after the big blind, keeping those who can still bet.
std::vector<std::string> preflopQueue(const Players& players, const std::vector<std::size_t>& order) {
    const auto bb = firstWithPosition(players, order, Position::bb);
    const std::size_t start = bb ? *bb + 1 : 0;
    std::vector<std::string> ids;
    ids.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        ids.push_back(players[order[(start + k) % order.size()]].id);
    return stillBetting(ids, players);
}

// A lone queued player still owes chips when someone in the hand has put more in on this street; he then
// decides before the board is run out.
bool loneQueuedPlayerOwes(const TableState& table) {
    if (table.actionQueue.size() != 1) return false;
    const Player& queued = table.requirePlayer(table.actionQueue.front());
    std::int64_t highest = 0;
    for (const Player& p : table.players)
        if (isContender(p)) highest = std::max(highest, p.streetContribution);
    return queued.streetContribution < highest;
}

EngineResult dealHand(const TableState& table, std::vector<Card> deck) {
    const std::int64_t dealer = dealerFor(table);
    const auto order = seatOrderIndices(table.players, dealer);
    const auto positions = PokerEngine::positionsBySeatCount.find(order.size());
    if (positions == PokerEngine::positionsBySeatCount.end()) return {table, {}};

    TableState next = table;
    std::vector<EngineEvent> events;
    dealPlayers(next.players, order, positions->second, deck);
    next.handNumber = countUp(table.handNumber);
    events.emplace_back(EngineEvent::HandStarted{next.handNumber, dealer});
    postAntes(next.players, table.ante, events);
    if (const auto sb = firstWithPosition(next.players, order, Position::sb))
        PokerEngine::postBlind(next.players[order[*sb]].id, table.smallBlind, EngineEvent::BlindKind::small,
                               next.players, events);
    if (const auto bb = firstWithPosition(next.players, order, Position::bb))
        PokerEngine::postBlind(next.players[order[*bb]].id, table.bigBlind, EngineEvent::BlindKind::big,
                               next.players, events);
    for (const std::size_t i : order)
        events.emplace_back(EngineEvent::HoleCardsDealt{next.players[i].id});

    next.deck = std::move(deck);
    next.board.clear();
    next.pots.clear();
    next.street = Street::preflop;
    next.dealerSeatIndex = dealer;
    next.currentBet = table.bigBlind;
    next.minRaise = table.bigBlind;
    next.lastFullBetTo = table.bigBlind;
    next.noRaiseActorIds.clear();
    next.raisesThisStreet = 0;
    next.isHandInProgress = true;
    next.actionQueue = preflopQueue(next.players, order);
    next.winners.reset();
    syncInPlace(next);
    if (next.actionQueue.size() < 2 && !loneQueuedPlayerOwes(next)) dealStreetInPlace(next, events);
    return {std::move(next), std::move(events)};
}

// ---------------------------------------------------------------- actions

struct Resolved {
    PlayerActionType type;
    std::int64_t putIn = 0;
    std::int64_t streetTotal = 0;  // the player's street contribution afterwards
};

void putIn(Player& p, std::int64_t chips) {
    p.stack -= chips;
    p.streetContribution = saturatingAdd(p.streetContribution, chips);
    p.totalContribution = saturatingAdd(p.totalContribution, chips);
    if (p.stack == 0) p.isAllIn = true;
}

Resolved resolve(const PlayerAction& action, Player& p, const LegalActions& legal, std::int64_t currentBet) {
    switch (action.type) {
        case PlayerActionType::fold:
            p.hasFolded = true;
            return {PlayerActionType::fold, 0, p.streetContribution};
        case PlayerActionType::check:
            if (!legal.canCheck) throw EngineError::illegalAction(PlayerActionType::check);
            return {PlayerActionType::check, 0, p.streetContribution};
        case PlayerActionType::call:
            putIn(p, legal.callAmount);
            return {PlayerActionType::call, legal.callAmount, p.streetContribution};
        case PlayerActionType::bet:
        case PlayerActionType::raise: {
            if (!legal.canBet && !legal.canRaise) throw EngineError::illegalAction(action.type);
            const std::int64_t clamped = std::max(
                std::min(action.amount.value_or(legal.minRaiseTo), legal.maxRaiseTo), legal.minRaiseTo);
            // Blinds above the big blind (or below zero) can put the range under the player's own chips;
            // a bet never takes chips back.
            const std::int64_t target = std::max(clamped, p.streetContribution);
            const std::int64_t chips = target - p.streetContribution;
            putIn(p, chips);
            return {action.type, chips, target};
        }
        case PlayerActionType::allIn: {
            if (!legal.canAllIn) throw EngineError::illegalAction(PlayerActionType::allIn);
            const std::int64_t chips = p.stack;
            putIn(p, chips);
            p.isAllIn = true;
            const auto type =
                p.streetContribution > currentBet ? PlayerActionType::raise : PlayerActionType::call;
            return {type, chips, p.streetContribution};
        }
    }
    throw EngineError::illegalAction(action.type);
}

// After a bet or raise everyone else who can still bet acts again, clockwise from the raiser.
std::vector<std::string> queueAfterRaise(const Players& players, const Player& raiser) {
    const auto n = static_cast<std::int64_t>(players.size());
    std::vector<std::pair<std::int64_t, std::string>> keyed;
    for (const Player& p : players)
        if (isContender(p) && !p.isAllIn && p.id != raiser.id)
            keyed.emplace_back(floorMod(floorMod(p.seatIndex, n) - floorMod(raiser.seatIndex, n), n), p.id);
    return idsByKey(std::move(keyed));
}

void recordRaise(TableState& next, const TableState& before, const Player& raiser, std::int64_t target) {
    if (target >= before.lastFullBetTo + before.minRaise) {
        next.minRaise = target - before.currentBet;
        next.lastFullBetTo = target;
        next.noRaiseActorIds.clear();
    } else {
        // A short all-in does not reopen the betting for those who already acted since the last full raise.
        const auto queuedBehind = before.actionQueue.begin() + (before.actionQueue.empty() ? 0 : 1);
        for (const Player& p : next.players) {
            if (!isContender(p) || p.isAllIn || p.id == raiser.id) continue;
            if (std::find(queuedBehind, before.actionQueue.end(), p.id) != before.actionQueue.end()) continue;
            if (std::find(next.noRaiseActorIds.begin(), next.noRaiseActorIds.end(), p.id) ==
                next.noRaiseActorIds.end())
                next.noRaiseActorIds.push_back(p.id);
        }
    }
    next.currentBet = target;
    next.raisesThisStreet = countUp(before.raisesThisStreet);
    next.actionQueue = queueAfterRaise(next.players, raiser);
}

std::vector<std::string> queueWithoutHead(const TableState& before, const Players& players) {
    if (before.actionQueue.empty()) return {};
    return stillBetting({before.actionQueue.begin() + 1, before.actionQueue.end()}, players);
}

// ---------------------------------------------------------------- streets and showdown

void resetBettingRound(TableState& table) {
    for (Player& p : table.players) {
        p.streetContribution = 0;
        p.lastAction.reset();
    }
    table.currentBet = 0;
    table.minRaise = table.bigBlind;
    table.lastFullBetTo = 0;
    table.noRaiseActorIds.clear();
    table.raisesThisStreet = 0;
}

std::vector<Card> takeFromDeck(std::vector<Card>& deck, std::size_t count) {
    const auto n = static_cast<std::ptrdiff_t>(std::min(count, deck.size()));
    std::vector<Card> cards(deck.begin(), deck.begin() + n);
    deck.erase(deck.begin(), deck.begin() + n);
    return cards;
}

void completeBoard(TableState& table) {
    while (table.board.size() < 5 && !table.deck.empty()) {
        const auto cards = takeFromDeck(table.deck, table.board.empty() ? 3 : 1);
        table.board.insert(table.board.end(), cards.begin(), cards.end());
    }
}

void settle(TableState& table, std::vector<Pot> pots, std::vector<Winner> winners) {
    for (const Winner& w : winners)
        if (Player* p = table.player(w.playerId)) p->stack = saturatingAdd(p->stack, w.amount);
    table.pots = std::move(pots);
    table.currentToActSeatIndex.reset();
    table.actionQueue.clear();
    table.isHandInProgress = false;
    table.winners = std::move(winners);
}

struct RevealedHand {
    std::string playerId;
    HandRankResult rank;
};

HandRankResult evaluateHand(const Player& p, const std::vector<Card>& board) {
    std::vector<Card> cards = p.holeCards;
    cards.insert(cards.end(), board.begin(), board.end());
    return HandEvaluator::evaluate(cards);
}

const HandRankResult& handOf(std::vector<RevealedHand>& hands, const TableState& table,
                             const std::string& id) {
    for (const auto& h : hands)
        if (h.playerId == id) return h.rank;
    hands.push_back({id, evaluateHand(table.requirePlayer(id), table.board)});
    return hands.back().rank;
}

std::vector<std::string> bestHands(std::vector<RevealedHand>& hands, const TableState& table,
                                   const Pot& pot) {
    std::vector<std::pair<std::string, HandRankResult>> ranked;
    for (const auto& id : pot.eligiblePlayerIds)
        ranked.emplace_back(id, handOf(hands, table, id));
    const auto best = std::max_element(ranked.begin(), ranked.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<std::string> winners;
    for (const auto& [id, rank] : ranked)
        if (rank == best->second) winners.push_back(id);
    return winners;
}

void addWinnings(std::vector<Winner>& winners, const std::string& id, std::int64_t amount,
                 const std::string& description) {
    if (amount < 1) return;
    for (Winner& w : winners)
        if (w.playerId == id) {
            w.amount = saturatingAdd(w.amount, amount);
            return;
        }
    winners.push_back(Winner{id, amount, description});
}

// The steps below change the table they are given; the public operations run them on a copy.

void syncInPlace(TableState& table) {
    table.currentToActSeatIndex.reset();
    if (table.actionQueue.empty()) return;
    if (const Player* p = table.player(table.actionQueue.front())) table.currentToActSeatIndex = p->seatIndex;
}

void showdownInPlace(TableState& table, std::vector<EngineEvent>& events) {
    completeBoard(table);
    std::vector<std::string> contenderIds;
    for (const Player& p : table.players)
        if (isContender(p)) contenderIds.push_back(p.id);
    std::vector<RevealedHand> hands;
    for (const auto& id : PokerEngine::orderBySeat(contenderIds, table.players, table.dealerSeatIndex)) {
        const Player& p = table.requirePlayer(id);
        const HandCategory category = handOf(hands, table, id).category;
        events.emplace_back(
            EngineEvent::ShowdownRevealed{id, p.holeCards, std::string(displayName(category))});
    }

    auto pots = PokerEngine::buildPots(table.players);
    std::vector<Winner> winners;
    for (std::size_t i = 0; i < pots.size(); ++i) {
        const auto ordered =
            PokerEngine::orderBySeat(bestHands(hands, table, pots[i]), table.players, table.dealerSeatIndex);
        for (const auto& [id, share] : PokerEngine::splitPot(pots[i].amount, ordered)) {
            events.emplace_back(EngineEvent::PotAwarded{id, share, static_cast<std::int64_t>(i)});
            addWinnings(winners, id, share, std::string(displayName(handOf(hands, table, id).category)));
        }
    }
    table.street = Street::showdown;
    settle(table, std::move(pots), std::move(winners));
}

void dealStreetInPlace(TableState& table, std::vector<EngineEvent>& events) {
    // A settled table has nothing left to deal.
    while (table.street != Street::showdown) {
        if (table.street == Street::river) return showdownInPlace(table, events);
        const Street street = PokerEngine::nextStreet(table.street);
        auto cards = takeFromDeck(table.deck, street == Street::flop ? 3 : 1);
        table.board.insert(table.board.end(), cards.begin(), cards.end());
        events.emplace_back(EngineEvent::StreetDealt{street, std::move(cards)});
        table.street = street;
        resetBettingRound(table);
        table.actionQueue.clear();
        for (const std::size_t i : seatOrderIndices(table.players, table.dealerSeatIndex))
            if (canStillBet(table.players[i])) table.actionQueue.push_back(table.players[i].id);
        // With fewer than two who can bet the next street follows at once.
        if (table.actionQueue.size() >= 2) return syncInPlace(table);
    }
}

void awardInPlace(TableState& table, std::string_view winnerId, std::vector<EngineEvent>& events) {
    const std::string id = table.requirePlayer(winnerId).id;
    auto pots = PokerEngine::buildPots(table.players);
    std::int64_t total = 0;
    for (const Pot& pot : pots)
        total = saturatingAdd(total, pot.amount);
    events.emplace_back(EngineEvent::PotAwarded{id, total, 0});
    std::vector<Winner> winners{Winner{id, total, std::string(Winner::opponentsFoldedDescription)}};
    settle(table, std::move(pots), std::move(winners));
}

}  // namespace

// ---------------------------------------------------------------- public operations

Street PokerEngine::nextStreet(Street street) noexcept {
    switch (street) {
        case Street::preflop:
            return Street::flop;
        case Street::flop:
            return Street::turn;
        case Street::turn:
            return Street::river;
        case Street::river:
        case Street::showdown:
            return Street::showdown;
    }
    return Street::showdown;
}

bool PokerEngine::canBeDealtIn(const Player& player) noexcept {
    return !player.isEliminated && !player.isSittingOut && player.stack >= 1;
}

std::vector<Player> PokerEngine::seatOrder(const std::vector<Player>& players, std::int64_t seat) {
    std::vector<Player> out;
    for (const std::size_t i : seatOrderIndices(players, seat))
        out.push_back(players[i]);
    return out;
}

std::int64_t PokerEngine::nextEligibleSeat(const std::vector<Player>& players, std::int64_t seat) {
    const auto order = seatOrderIndices(players, seat);
    return order.empty() ? seat : players[order.front()].seatIndex;
}

void PokerEngine::postBlind(std::string_view playerId, std::int64_t amount, EngineEvent::BlindKind kind,
                            std::vector<Player>& players, std::vector<EngineEvent>& events) {
    Player* found = TableState::playerIn(players, playerId);
    if (found == nullptr) return;
    Player& p = *found;
    const std::int64_t posted = std::max<std::int64_t>(0, std::min(p.stack, amount));
    if (posted > 0) events.emplace_back(EngineEvent::BlindPosted{p.id, kind, posted});
    p.isAllIn = p.isAllIn || (p.stack <= amount && posted > 0);
    p.stack -= posted;
    p.totalContribution = saturatingAdd(p.totalContribution, posted);
    p.streetContribution = posted;
    p.lastAction = LastAction{LastActionType::postBlind, posted};
}

EngineResult PokerEngine::startHand(const TableState& table, RandomSource draw) {
    if (!canDealHand(table)) return {table, {}};
    return dealHand(table, shuffled(Card::standardDeck(), draw));
}

LegalActions PokerEngine::legalActions(std::string_view playerId, const TableState& table) {
    const Player* found = table.player(playerId);
    if (found == nullptr) return LegalActions::none;
    const Player& p = *found;
    const std::int64_t toCall = saturatingSubtract(table.currentBet, p.streetContribution);
    const std::int64_t allInTo = saturatingAdd(p.streetContribution, p.stack);
    const bool blocked = std::find(table.noRaiseActorIds.begin(), table.noRaiseActorIds.end(), playerId) !=
                         table.noRaiseActorIds.end();
    LegalActions legal;
    legal.canFold = toCall > 0;
    legal.canCheck = toCall <= 0;
    legal.canCall = p.stack >= 1 && toCall > 0;
    // Never negative, even for a stack below zero.
    legal.callAmount = std::max<std::int64_t>(std::min(std::max<std::int64_t>(toCall, 0), p.stack), 0);
    legal.canBet = p.stack >= 1 && toCall <= 0;
    legal.canRaise = toCall > 0 && toCall < p.stack && !blocked;
    legal.minRaiseTo =
        std::min(allInTo, saturatingAdd(table.currentBet, std::max(table.minRaise, table.bigBlind)));
    legal.maxRaiseTo = allInTo;
    legal.canAllIn = p.stack >= 1 && (allInTo <= table.currentBet || !blocked);
    legal.allInAmount = allInTo;
    return legal;
}

EngineResult PokerEngine::applyAction(const PlayerAction& action, std::string_view playerId,
                                      const TableState& table) {
    if (!table.currentToActSeatIndex) return {table, {}};
    const Player* acting = table.player(playerId);
    if (acting == nullptr || acting->seatIndex != *table.currentToActSeatIndex)
        throw EngineError::notPlayersTurn(playerId);

    const LegalActions legal = legalActions(playerId, table);
    TableState next = table;
    Player& actor = *next.player(playerId);
    const Resolved resolved = resolve(action, actor, legal, table.currentBet);
    actor.lastAction = LastAction{lastActionType(resolved.type), action.amount};

    std::vector<EngineEvent> events;
    events.emplace_back(EngineEvent::ActionTaken{actor.id, action, resolved.type, resolved.putIn});

    const bool raisesBet =
        (resolved.type == PlayerActionType::bet || resolved.type == PlayerActionType::raise) &&
        resolved.streetTotal > table.currentBet;
    if (raisesBet)
        recordRaise(next, table, actor, resolved.streetTotal);
    else
        next.actionQueue = queueWithoutHead(table, next.players);

    const auto contender = std::find_if(next.players.begin(), next.players.end(), isContender);
    const bool lastOneLeft =
        contender != next.players.end() && std::none_of(contender + 1, next.players.end(), isContender);
    if (lastOneLeft) {
        awardInPlace(next, contender->id, events);
    } else if (next.actionQueue.empty()) {
        dealStreetInPlace(next, events);
    } else {
        syncInPlace(next);
    }
    return {std::move(next), std::move(events)};
}

TableState PokerEngine::syncCurrentToAct(const TableState& table) {
    TableState next = table;
    syncInPlace(next);
    return next;
}

TableState PokerEngine::dealStreet(const TableState& table, std::vector<EngineEvent>& events) {
    TableState next = table;
    dealStreetInPlace(next, events);
    return next;
}

TableState PokerEngine::showdown(const TableState& table, std::vector<EngineEvent>& events) {
    TableState next = table;
    showdownInPlace(next, events);
    return next;
}

TableState PokerEngine::awardUncontested(const TableState& table, std::string_view winnerId,
                                         std::vector<EngineEvent>& events) {
    TableState next = table;
    awardInPlace(next, winnerId, events);
    return next;
}

std::vector<Player> PokerEngine::contenders(const std::vector<Player>& players) {
    std::vector<Player> out;
    for (const Player& p : players)
        if (isContender(p)) out.push_back(p);
    return out;
}

std::vector<Pot> PokerEngine::buildPots(const std::vector<Player>& players) {
    std::vector<std::int64_t> levels;
    for (const Player& p : players)
        if (p.totalContribution > 0) levels.push_back(p.totalContribution);
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());

    std::vector<Pot> pots;
    std::int64_t previous = 0;
    std::int64_t unclaimed = 0;  // layers whose contributors all folded
    for (const std::int64_t level : levels) {
        Pot pot{0, {}};
        for (const Player& p : players) {
            if (p.totalContribution < level) continue;
            pot.amount = saturatingAdd(pot.amount, saturatingSubtract(level, previous));
            if (!p.hasFolded) pot.eligiblePlayerIds.push_back(p.id);
        }
        previous = level;
        if (pot.amount < 1) continue;
        if (pot.eligiblePlayerIds.empty())
            unclaimed = saturatingAdd(unclaimed, pot.amount);
        else
            pots.push_back(std::move(pot));
    }
    if (unclaimed > 0) {
        // Such layers lie above every pot formed, so the highest pot takes them. Only when nobody who put
        // chips in is still in the hand do they form a pot of their own for those still in.
        if (!pots.empty()) {
            pots.back().amount = saturatingAdd(pots.back().amount, unclaimed);
        } else {
            Pot pot{unclaimed, {}};
            for (const Player& p : players)
                if (!p.hasFolded) pot.eligiblePlayerIds.push_back(p.id);
            if (!pot.eligiblePlayerIds.empty()) pots.push_back(std::move(pot));
        }
    }
    return pots;
}

std::vector<std::pair<std::string, std::int64_t>> PokerEngine::splitPot(std::int64_t amount,
                                                                        const std::vector<std::string>& ids) {
    std::vector<std::pair<std::string, std::int64_t>> shares;
    if (ids.empty()) return shares;
    const auto n = static_cast<std::int64_t>(ids.size());
    const std::int64_t each = amount / n;
    const std::int64_t odd = amount % n;
    for (std::int64_t k = 0; k < n; ++k)
        shares.emplace_back(ids[static_cast<std::size_t>(k)], each + (k < odd ? 1 : 0));
    return shares;
}

std::vector<std::string> PokerEngine::orderBySeat(const std::vector<std::string>& ids,
                                                  const std::vector<Player>& players,
                                                  std::int64_t dealerSeat) {
    std::int64_t modulus = 1;
    if (!players.empty()) {
        std::int64_t highest = players.front().seatIndex;
        for (const Player& p : players)
            highest = std::max(highest, p.seatIndex);
        modulus = highest == std::numeric_limits<std::int64_t>::max()
                      ? highest
                      : std::max<std::int64_t>(highest + 1, 1);
    }
    std::vector<std::pair<std::int64_t, std::string>> keyed;
    keyed.reserve(ids.size());
    for (const auto& id : ids) {
        const Player* p = TableState::playerIn(players, id);
        const std::int64_t seat = p ? p->seatIndex : 0;
        // Reduced first, so extreme seat numbers cannot overflow.
        keyed.emplace_back(floorMod(floorMod(seat, modulus) - floorMod(dealerSeat, modulus) - 1, modulus),
                           id);
    }
    return idsByKey(std::move(keyed));
}

}  // namespace pellox
