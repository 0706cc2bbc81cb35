// Random play of many complete hands, checking after every step what must always hold. The CI run is short;
// set PELLOX_ENGINE_HANDS to play more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "rules/EngineError.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"

#include "LongTests.hpp"

namespace pellox {
namespace {

using namespace pellox::testing;
using A = PlayerActionType;

std::int64_t uniform(SeededRNG& rng, std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(rng.nextUInt32() % static_cast<std::uint32_t>(hi - lo + 1));
}

int handsToPlay() {
    return 1500 * test::longRunFactor();
}

TableState randomTable(SeededRNG& rng) {
    const auto n = static_cast<std::size_t>(uniform(rng, 2, 6));
    const std::int64_t bigBlind = uniform(rng, 2, 40);
    const std::int64_t smallBlind = uniform(rng, 1, bigBlind);
    const std::int64_t ante = uniform(rng, 0, 2) == 0 ? uniform(rng, 1, bigBlind) : 0;
    std::vector<std::int64_t> stacks;
    for (std::size_t i = 0; i < n; ++i)
        stacks.push_back(uniform(rng, 0, 3) == 0 ? uniform(rng, 1, 3 * bigBlind)
                                                 : bigBlind * uniform(rng, 5, 150));
    TableState t = makeTable(stacks, smallBlind, bigBlind, ante);
    for (Player& p : t.players) {
        p.isSittingOut = uniform(rng, 0, 11) == 0;
        p.isEliminated = uniform(rng, 0, 15) == 0;
    }
    t.handNumber = uniform(rng, 0, 2);
    t.dealerSeatIndex = uniform(rng, 0, static_cast<std::int64_t>(n) - 1);
    return t;
}

void checkCards(const TableState& t) {
    std::set<int> seen;
    std::size_t count = t.deck.size() + t.board.size();
    for (const Card& c : t.deck)
        seen.insert(c.index());
    for (const Card& c : t.board)
        seen.insert(c.index());
    for (const Player& p : t.players) {
        count += p.holeCards.size();
        for (const Card& c : p.holeCards)
            seen.insert(c.index());
    }
    ASSERT_EQ(count, 52u);
    ASSERT_EQ(seen.size(), 52u);
    ASSERT_EQ(t.board.size(), boardSize(t.street));
}

void checkQueue(const TableState& t) {
    std::set<std::string> ids;
    for (const auto& id : t.actionQueue) {
        const Player* p = t.player(id);
        ASSERT_NE(p, nullptr) << id;
        ASSERT_EQ(p->holeCards.size(), 2u) << id;
        ASSERT_FALSE(p->hasFolded) << id;
        ASSERT_FALSE(p->isAllIn) << id;
        ASSERT_GE(p->stack, 1) << id;
        ASSERT_TRUE(ids.insert(id).second) << "queued twice: " << id;
    }
    if (t.actionQueue.empty()) {
        ASSERT_EQ(t.currentToActSeatIndex, std::nullopt);
    } else {
        ASSERT_EQ(toAct(t), t.actionQueue.front());
    }
}

void checkStep(const TableState& t, std::int64_t chips) {
    for (const Player& p : t.players)
        ASSERT_GE(p.stack, 0);
    ASSERT_NO_FATAL_FAILURE(checkQueue(t));
    if (t.isHandInProgress) {
        ASSERT_NO_FATAL_FAILURE(checkCards(t));
        ASSERT_EQ(chipsOnTable(t), chips);
        ASSERT_FALSE(t.actionQueue.empty());
        ASSERT_TRUE(t.pots.empty());
        ASSERT_FALSE(t.winners.has_value());
        return;
    }
    // Settled: every chip put in has gone back to a winner.
    ASSERT_TRUE(t.winners.has_value());
    ASSERT_FALSE(t.winners->empty());
    ASSERT_EQ(stacks(t), chips);
    std::int64_t contributed = 0, potted = 0, won = 0;
    for (const Player& p : t.players)
        contributed += p.totalContribution;
    for (const Pot& pot : t.pots)
        potted += pot.amount;
    for (const Winner& w : *t.winners) {
        won += w.amount;
        ASSERT_TRUE(w.handDescription.has_value());
    }
    ASSERT_EQ(potted, contributed);
    ASSERT_EQ(won, contributed);
}

// What one applied action must have done to the betting, read from the tables around it and its events.
void checkAction(const TableState& before, const EngineResult& after) {
    const auto taken = eventsOf<EngineEvent::ActionTaken>(after.events);
    ASSERT_EQ(taken.size(), 1u);
    const Player& actor = before.requirePlayer(taken[0].playerId);
    const std::int64_t streetTotal = actor.streetContribution + taken[0].amountPutIn;
    // An all-in raises only when it goes above the bet.
    if (taken[0].action.type == A::allIn) {
        ASSERT_EQ(taken[0].resolvedType, streetTotal > before.currentBet ? A::raise : A::call);
    }

    const TableState& t = after.state;
    const bool newStreet = !eventsOf<EngineEvent::StreetDealt>(after.events).empty();
    if (newStreet && t.isHandInProgress) {
        ASSERT_EQ(t.minRaise, t.bigBlind);
        ASSERT_EQ(t.currentBet, 0);
        ASSERT_EQ(t.lastFullBetTo, 0);
        ASSERT_TRUE(t.noRaiseActorIds.empty());
    }
    // A raise to at least the minimum is full: nobody stays barred from raising, and it sets the minimum.
    const bool raises = taken[0].resolvedType == A::bet || taken[0].resolvedType == A::raise;
    const std::int64_t minimum = before.currentBet + std::max(before.minRaise, before.bigBlind);
    if (raises && streetTotal >= minimum && !newStreet && t.isHandInProgress) {
        ASSERT_TRUE(t.noRaiseActorIds.empty());
        ASSERT_EQ(t.minRaise, streetTotal - before.currentBet);
        ASSERT_EQ(t.lastFullBetTo, streetTotal);
    }
}

// Players not dealt in put nothing in, antes included, and keep their stacks.
void checkNotDealtIn(const TableState& table, const TableState& t) {
    for (std::size_t i = 0; i < t.players.size(); ++i) {
        if (t.players[i].holeCards.size() == 2) continue;
        ASSERT_EQ(t.players[i].totalContribution, 0) << t.players[i].id;
        ASSERT_EQ(t.players[i].stack, table.players[i].stack) << t.players[i].id;
    }
}

// An action the legal actions forbid, or a turn out of order; none when everything is allowed.
std::optional<std::pair<std::string, PlayerAction>> illegalChoice(const TableState& t, SeededRNG& rng) {
    const std::string id = toAct(t);
    const LegalActions legal = PokerEngine::legalActions(id, t);
    std::vector<std::pair<std::string, PlayerAction>> options;
    if (!legal.canCheck) options.push_back({id, {A::check, std::nullopt}});
    if (!legal.canBet && !legal.canRaise) options.push_back({id, {A::raise, legal.maxRaiseTo}});
    if (!legal.canBet && !legal.canRaise) options.push_back({id, {A::bet, std::nullopt}});
    if (!legal.canAllIn) options.push_back({id, {A::allIn, std::nullopt}});
    for (const Player& p : t.players)
        if (p.id != id) options.push_back({p.id, {A::call, std::nullopt}});
    options.push_back({"nobody", {A::fold, std::nullopt}});
    return options[static_cast<std::size_t>(uniform(rng, 0, static_cast<std::int64_t>(options.size()) - 1))];
}

PlayerAction legalChoice(const LegalActions& legal, SeededRNG& rng) {
    const auto roll = uniform(rng, 0, 99);
    if (roll < 12) return {A::fold, std::nullopt};
    if (roll < 60) return {legal.canCheck ? A::check : A::call, std::nullopt};
    if (roll < 90 && (legal.canBet || legal.canRaise)) {
        const A type = uniform(rng, 0, 3) == 0 ? A::bet : (legal.canBet ? A::bet : A::raise);
        switch (uniform(rng, 0, 4)) {
            case 0:
                return {type, std::nullopt};
            case 1:
                return {type, legal.maxRaiseTo + uniform(rng, 0, 50)};  // clamped down
            case 2:
                return {type, legal.minRaiseTo - uniform(rng, 0, 50)};  // clamped up
            default:
                return {type, uniform(rng, legal.minRaiseTo, legal.maxRaiseTo)};
        }
    }
    if (legal.canAllIn) return {A::allIn, std::nullopt};
    return {A::call, std::nullopt};
}

// Plays one hand from its start to the end, checking every step; returns the settled table.
TableState playHand(const TableState& table, SeededRNG& rng) {
    const std::int64_t chips = stacks(table);
    const TableState before = table;
    auto result = PokerEngine::startHand(table, rng);
    EXPECT_TRUE(sameTable(table, before));
    if (result.events.empty()) {
        EXPECT_TRUE(sameTable(result.state, table));
        return result.state;
    }
    TableState t = std::move(result.state);
    for (int step = 0; t.isHandInProgress; ++step) {
        checkStep(t, chips);
        checkNotDealtIn(table, t);
        if (::testing::Test::HasFatalFailure() || step > 400) {
            ADD_FAILURE() << "hand " << t.handNumber << " stopped at step " << step;
            return t;
        }
        const TableState snapshot = t;
        if (uniform(rng, 0, 9) == 0) {
            const auto [id, action] = *illegalChoice(t, rng);
            EXPECT_THROW(PokerEngine::applyAction(action, id, t), EngineError)
                << id << " " << rawValue(action.type);
            EXPECT_TRUE(sameTable(t, snapshot));
            continue;
        }
        const std::string id = toAct(t);
        const PlayerAction action = legalChoice(PokerEngine::legalActions(id, t), rng);
        auto next = PokerEngine::applyAction(action, id, t);
        EXPECT_TRUE(sameTable(t, snapshot));
        checkAction(t, next);
        t = std::move(next.state);
    }
    checkStep(t, chips);
    checkNotDealtIn(table, t);
    return t;
}

TEST(PokerEngineInvariants, RandomCompleteHandsConserveChipsAndKeepTheQueueHonest) {
    SeededRNG rng(20261207);
    const int hands = handsToPlay();
    int dealt = 0;
    while (dealt < hands && !HasFailure()) {
        TableState table = randomTable(rng);
        // A few hands in a row at the same table, so the button moves and short stacks bust.
        for (int i = 0; i < 4 && dealt < hands && !HasFailure(); ++i, ++dealt)
            table = playHand(table, rng);
    }
}

}  // namespace
}  // namespace pellox
