// Complete seeded hands played by the rules engine, by bots or with random legal actions: the replay of each
// record must show, after every engine step, the table the engine produced.
#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/UncalledBet.hpp"
#include "store/HandRecord.hpp"
#include "strategy/BotDecision.hpp"
#include "view/ReplayView.hpp"

namespace pellox {
namespace {

PlayerAction randomLegalAction(const LegalActions& legal, SeededRNG& rng) {
    std::vector<PlayerAction> options;
    auto amountIn = [&](std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(rng.next() * static_cast<double>(hi - lo + 1));
    };
    if (legal.canCheck) options.push_back({PlayerActionType::check, std::nullopt});
    if (legal.canCall) options.push_back({PlayerActionType::call, std::nullopt});
    if (legal.canBet)
        options.push_back({PlayerActionType::bet, amountIn(legal.minRaiseTo, legal.maxRaiseTo)});
    if (legal.canRaise)
        options.push_back({PlayerActionType::raise, amountIn(legal.minRaiseTo, legal.maxRaiseTo)});
    if (legal.canAllIn && rng.next() < 0.3) options.push_back({PlayerActionType::allIn, std::nullopt});
    // Folding only now and then, so that many hands reach a showdown.
    if (legal.canFold && (options.empty() || rng.next() < 0.15))
        return {PlayerActionType::fold, std::nullopt};
    if (options.empty()) return {PlayerActionType::fold, std::nullopt};
    return options[static_cast<std::size_t>(rng.next() * static_cast<double>(options.size()))];
}

std::vector<HandSeat> seatsOf(const TableState& table) {
    std::vector<HandSeat> seats;
    for (const auto& p : table.players)
        seats.push_back({p.id, p.name, p.seatIndex, p.stack});
    return seats;
}

// The replay frame after the last event so far must match the engine's table.
void expectFrameMatches(const HandRecord& record, const TableState& table, bool handOver) {
    const ReplayView frame(record, static_cast<std::int64_t>(record.events.size()) - 1);
    ASSERT_EQ(frame.seats.size(), table.players.size());
    for (std::size_t k = 0; k < table.players.size(); ++k) {
        const Player& p = table.players[k];
        EXPECT_EQ(frame.seats[k].id, p.id);
        EXPECT_EQ(frame.seats[k].stack, p.stack) << p.id << " at step " << frame.step;
        // The engine also marks players who were not dealt in as folded; the replay knows only folds.
        if (p.holeCards.size() == 2) {
            EXPECT_EQ(frame.seats[k].folded, p.hasFolded) << p.id;
        }
        EXPECT_EQ(frame.seats[k].isDealer, p.seatIndex == table.dealerSeatIndex);
    }
    EXPECT_EQ(frame.board, table.board);
    EXPECT_EQ(frame.potSize, handOver ? 0 : table.potTotal()) << "at step " << frame.step;
}

struct PlayedHands {
    int hands = 0;
    int showdowns = 0;
    int uncalledBets = 0;
    int foldedTo = 0;
};

// The settled table and the stored events agree on the bet handed back unmatched. After a showdown it is the
// last pot, awarded alone and last, to its only eligible player; when everybody folded it lies inside the
// one award of the whole pot. What the others won is all the rest.
void expectOneUncalledBet(const HandRecord& stored, const TableState& table, PlayedHands& tally) {
    const auto bet = UncalledBet::of(table);
    EXPECT_EQ(UncalledBet::of(stored.events), bet);
    const auto award = UncalledBet::award(stored.events);
    std::int64_t won = 0, settled = 0;
    for (const Winner& w : UncalledBet::winnersAsWon(table))
        won += w.amount;
    for (const Winner& w : *table.winners)
        settled += w.amount;
    if (!bet) {
        EXPECT_EQ(award, std::nullopt);
        EXPECT_EQ(won, settled);
        return;
    }
    tally.uncalledBets += 1;
    ASSERT_TRUE(award);
    EXPECT_EQ(award->returned, bet->amount);
    EXPECT_EQ(won + bet->amount, settled);
    const auto* awarded = stored.events[award->index].as<EngineEvent::PotAwarded>();
    ASSERT_NE(awarded, nullptr);
    EXPECT_EQ(awarded->playerId, bet->playerId);
    EXPECT_EQ(awarded->amount, award->returned + award->won);
    if (table.street != Street::showdown) {
        tally.foldedTo += 1;
        EXPECT_EQ(award->index, stored.events.size() - 1);
        return;
    }
    ASSERT_FALSE(table.pots.empty());
    EXPECT_EQ(table.pots.back(), (Pot{bet->amount, {bet->playerId}}));
    EXPECT_EQ(award->won, 0);
    EXPECT_EQ(awarded->potIndex, static_cast<std::int64_t>(table.pots.size()) - 1);
}

void playHands(std::uint32_t seed, std::size_t seatCount, bool bots, PlayedHands& tally) {
    SeededRNG rng(seed);
    std::vector<SeatConfig> configs;
    for (std::size_t i = 0; i < seatCount; ++i) {
        const bool human = i == 0;
        configs.push_back({human ? "human" : "bot-" + std::to_string(i),
                           human ? "You" : "Bot " + std::to_string(i), !human,
                           200 + 150 * static_cast<std::int64_t>(i)});
    }
    TableState table(GameMode::tournament, configs, 5, 10, seed % 2 == 0 ? 0 : 2);

    for (int hand = 0; hand < 12; ++hand) {
        HandRecord record;
        record.seats = seatsOf(table);
        EngineResult started = PokerEngine::startHand(table, rng);
        if (!started.state.isHandInProgress) break;  // one player holds every chip
        table = started.state;
        record.handNumber = table.handNumber;
        record.dealerSeatIndex = table.dealerSeatIndex;
        record.events = started.events;
        if (const Player* human = table.player("human")) record.humanHoleCards = human->holeCards;
        expectFrameMatches(record, table, !table.isHandInProgress);

        for (int guard = 0; table.isHandInProgress && table.currentToActSeatIndex && guard < 200; ++guard) {
            const Player* actor = table.currentPlayer();
            ASSERT_NE(actor, nullptr);
            const std::string id = actor->id;
            const PlayerAction action = bots ? BotDecision::decide(id, table, BotProfile::standard, rng)
                                             : randomLegalAction(PokerEngine::legalActions(id, table), rng);
            EngineResult step = PokerEngine::applyAction(action, id, table);
            table = step.state;
            record.events.insert(record.events.end(), step.events.begin(), step.events.end());
            expectFrameMatches(record, table, !table.isHandInProgress);
            if (::testing::Test::HasFailure()) return;
        }
        ASSERT_FALSE(table.isHandInProgress);

        // The last frame of the stored record: the stacks, board and pot the hand ended with.
        record.board = table.board;
        record.winners = table.winners.value_or(std::vector<Winner>{});
        // Replayed as stored: through the record's JSON form.
        const HandRecord stored = Json(record).get<HandRecord>();
        const ReplayView last(stored, 1 << 20);
        EXPECT_EQ(last.step, static_cast<std::int64_t>(record.events.size()) - 1);
        EXPECT_EQ(last.board, record.board);
        EXPECT_EQ(last.potSize, 0);
        std::int64_t chips = 0;
        for (std::size_t k = 0; k < table.players.size(); ++k) {
            EXPECT_EQ(last.seats[k].stack, table.players[k].stack);
            chips += last.seats[k].stack;
        }
        std::int64_t started_with = 0;
        for (const auto& s : record.seats)
            started_with += s.startingStack;
        EXPECT_EQ(chips, started_with);
        expectOneUncalledBet(stored, table, tally);
        tally.hands += 1;
        for (const auto& e : record.events)
            tally.showdowns += e.is<EngineEvent::ShowdownRevealed>() ? 1 : 0;
    }
}

TEST(ReplayViewHands, ReplayReproducesEverySeededHand) {
    PlayedHands tally;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        playHands(seed * 7919u, 2 + seed % 5, seed % 3 == 0, tally);
        if (HasFailure()) FAIL() << "seed " << seed * 7919u;
    }
    EXPECT_GT(tally.hands, 100);
    EXPECT_GT(tally.showdowns, 20);
    EXPECT_GT(tally.uncalledBets, tally.foldedTo);
    EXPECT_GT(tally.foldedTo, 0);
}

}  // namespace
}  // namespace pellox
