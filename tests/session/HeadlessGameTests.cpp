// Whole games played without a screen, as the table screen would pace them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "SessionTestSupport.hpp"
#include "rules/Json.hpp"
#include "rules/PokerEngineTestSupport.hpp"

namespace pellox {
namespace {

using testing::HeadlessDriver;
using testing::SessionRig;

// Contributions stay on the players after the pots are awarded, so they count only while a hand runs.
std::int64_t chipsInGame(const TableState& t) {
    return t.isHandInProgress ? testing::chipsOnTable(t) : testing::stacks(t);
}

void expectSummaryAddsUp(const SessionRig& rig) {
    const auto& history = rig.stats.handHistory();
    const SessionSummary& summary = rig.session.sessionSummary();
    std::int64_t net = 0, graded = 0, agreed = 0;
    for (const HandRecord& r : history) {
        net += r.humanNet;
        graded += static_cast<std::int64_t>(r.grades.size());
        agreed +=
            std::count_if(r.grades.begin(), r.grades.end(), [](const GradedDecision& d) { return d.agreed; });
    }
    EXPECT_EQ(summary.handsPlayed, static_cast<std::int64_t>(history.size()));
    EXPECT_EQ(summary.netChips, net);
    EXPECT_EQ(summary.decisionsGraded, graded);
    EXPECT_EQ(summary.decisionsAgreed, agreed);
    EXPECT_EQ(rig.stats.stats().handsPlayed, summary.handsPlayed);
    EXPECT_EQ(rig.stats.stats().decisionsGraded, graded);
}

TEST(HeadlessGame, TournamentRunsToOnePlayerHoldingEveryChip) {
    SessionRig rig(false, GuideMode::gradeOnly);
    rig.session.startTournament(3, 2024);
    HeadlessDriver driver{rig.session, testing::randomPolicy(std::make_shared<SeededRNG>(3))};
    std::int64_t lastHand = 0;
    while (driver.step()) {
        const TableState& t = *rig.session.table();
        ASSERT_EQ(chipsInGame(t), 4 * 1500) << "hand " << t.handNumber;
        ASSERT_LT(driver.steps, 100'000);
        lastHand = t.handNumber;
    }
    ASSERT_TRUE(rig.session.tournamentOver());
    const TableState& t = *rig.session.table();
    const auto holders =
        std::count_if(t.players.begin(), t.players.end(), [](const Player& p) { return p.stack > 0; });
    EXPECT_EQ(holders, 1);
    ASSERT_TRUE(rig.session.standings());
    const auto& standings = *rig.session.standings();
    ASSERT_EQ(standings.size(), 4u);
    std::set<std::string> ids;
    for (std::size_t i = 0; i < standings.size(); ++i) {
        EXPECT_EQ(standings[i].place, static_cast<std::int64_t>(i) + 1);
        ids.insert(standings[i].playerId);
    }
    EXPECT_EQ(ids, (std::set<std::string>{"human", "bot-0", "bot-1", "bot-2"}));
    EXPECT_GT(t.player(standings[0].playerId)->stack, 0);
    EXPECT_EQ(rig.session.eliminationOrder().size(), 3u);
    // Every hand is recorded while the human sits at the table, eliminated or not.
    EXPECT_EQ(static_cast<std::int64_t>(rig.stats.handHistory().size()),
              std::min<std::int64_t>(lastHand, 200));
    expectSummaryAddsUp(rig);
    EXPECT_FALSE(rig.session.makeSnapshot());
}

TEST(HeadlessGame, CashGameRecordsEveryHandAndTheSummaryAddsUp) {
    SessionRig rig(false, GuideMode::gradeOnly);
    rig.session.startCashGame(5, 77);
    HeadlessDriver driver{rig.session, testing::randomPolicy(std::make_shared<SeededRNG>(4))};
    while (rig.session.table()->handNumber <= 30) {
        if (!driver.step()) {
            ASSERT_TRUE(rig.session.humanBustedInCash());
            rig.session.rebuy();
        }
    }
    EXPECT_EQ(rig.stats.handHistory().size(), 30u);
    expectSummaryAddsUp(rig);
    for (const HandRecord& r : rig.stats.handHistory()) {
        EXPECT_EQ(r.seats.size(), 6u);
        ASSERT_FALSE(r.events.empty());
        EXPECT_TRUE(r.events.front().is<EngineEvent::HandStarted>());
        EXPECT_EQ(r.timestamp, testing::fixedDate());
    }
}

TEST(HeadlessGame, HumanWhoGoesBrokeInACashGameIsMarkedAndCanRebuy) {
    SessionRig rig;
    rig.session.startCashGame(2, 5);
    HeadlessDriver driver{rig.session, testing::allInPolicy};
    while (driver.step())
        ASSERT_LT(driver.steps, 50'000);
    ASSERT_TRUE(rig.session.humanBustedInCash());
    EXPECT_EQ(driver.pacing().phase, PacingPhase::blocked);
    const std::int64_t stack = rig.session.table()->player("human")->stack;
    EXPECT_LT(stack, 1);
    const auto hand = rig.session.table()->handNumber;
    rig.session.rebuy();
    EXPECT_FALSE(rig.session.humanBustedInCash());
    EXPECT_EQ(rig.session.table()->player("human")->stack, stack + 1000);
    for (int i = 0; i < 6 && rig.session.table()->handNumber == hand; ++i)
        ASSERT_TRUE(driver.step());
    EXPECT_EQ(rig.session.table()->handNumber, hand + 1);
    EXPECT_FALSE(rig.session.table()->player("human")->holeCards.empty());
}

TEST(HeadlessGame, SameSeedAndSameDecisionsPlayTheIdenticalGame) {
    SessionRig a(false, GuideMode::show), b(false, GuideMode::show);
    a.session.startTournament(4, -123456);
    b.session.startTournament(4, -123456);
    HeadlessDriver da{a.session, testing::randomPolicy(std::make_shared<SeededRNG>(11))};
    HeadlessDriver db{b.session, testing::randomPolicy(std::make_shared<SeededRNG>(11))};
    while (a.session.table()->handNumber <= 25) {
        const bool movedA = da.step();
        ASSERT_EQ(movedA, db.step());
        if (!movedA) break;
    }
    EXPECT_EQ(a.stats.handHistory(), b.stats.handHistory());
    EXPECT_EQ(a.session.sessionSummary(), b.session.sessionSummary());
    EXPECT_EQ(Json(*a.session.table()), Json(*b.session.table()));
    for (const HandRecord& r : a.stats.handHistory())
        EXPECT_EQ(r.id, HandRecord::identifier(r.handNumber, r.seed));
}

TEST(HeadlessGame, HumanOutOfATournamentWatchesTheBotsAndStillGetsRecords) {
    SessionRig rig;
    auto snapshot =
        testing::snapshotOf(testing::tableBetweenHands(GameMode::tournament, {0, 3000, 3000}, 12));
    rig.session.restore(snapshot);
    rig.session.startHand();
    ASSERT_EQ(rig.session.eliminationOrder(), std::vector<std::string>{"human"});
    HeadlessDriver driver{rig.session, testing::allInPolicy};
    const auto recorded = rig.stats.handHistory().size();
    while (rig.session.table()->isHandInProgress) {
        EXPECT_FALSE(rig.session.isHumanTurn());
        ASSERT_TRUE(driver.step());
    }
    ASSERT_EQ(rig.stats.handHistory().size(), recorded + 1);
    const HandRecord& r = rig.stats.handHistory().front();
    EXPECT_TRUE(r.humanHoleCards.empty());
    EXPECT_EQ(r.humanNet, 0);
    EXPECT_TRUE(r.grades.empty());
}

}  // namespace
}  // namespace pellox
