#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SessionTestSupport.hpp"
#include "rules/Json.hpp"
#include "strategy/PlayerActionHistory.hpp"
#include "view/ReplayView.hpp"

namespace pellox {
namespace {

using testing::HeadlessDriver;
using testing::SessionRig;
using testing::snapshotOf;
using testing::tableBetweenHands;

// Heads-up, the human is the dealer and small blind, so hand 1 opens with the human facing the big blind.
void startHeadsUp(SessionRig& rig, std::int32_t seed) {
    rig.session.startCashGame(1, seed);
    ASSERT_TRUE(rig.session.isHumanTurn());
    ASSERT_TRUE(rig.session.humanLegalActions()->canFold);
}

TEST(GameSessionHandFlow, IllegalHumanActionChangesNothingAndGradesNothing) {
    SessionRig rig;
    startHeadsUp(rig, 4);
    const Json before = *rig.session.table();
    const auto events = rig.session.currentHandEvents().size();
    const auto adviceState = rig.session.adviceRng().s;
    rig.session.submitHumanAction(PlayerActionType::check);  // a check facing the big blind
    EXPECT_EQ(Json(*rig.session.table()), before);
    EXPECT_EQ(rig.session.currentHandEvents().size(), events);
    EXPECT_TRUE(rig.session.currentHandGrades().empty());
    EXPECT_EQ(rig.session.adviceRng().s, adviceState);
}

TEST(GameSessionHandFlow, RaiseBelowTheMinimumIsRaisedToTheMinimum) {
    SessionRig rig;
    startHeadsUp(rig, 4);
    const auto minimum = rig.session.humanLegalActions()->minRaiseTo;
    rig.session.submitHumanAction(PlayerActionType::raise, minimum - 3);
    const auto* taken = rig.session.currentHandEvents().back().as<EngineEvent::ActionTaken>();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->playerId, "human");
    EXPECT_EQ(rig.session.table()->player("human")->streetContribution, minimum);
    EXPECT_EQ(rig.session.currentHandGrades().size(), 1u);
}

TEST(GameSessionHandFlow, ActionOutOfTurnIsIgnored) {
    SessionRig rig;
    rig.session.startCashGame(1, 6);
    rig.session.submitHumanAction(PlayerActionType::fold);  // human folds the small blind
    ASSERT_FALSE(rig.session.table()->isHandInProgress);
    const Json after = *rig.session.table();
    rig.session.submitHumanAction(PlayerActionType::fold);
    rig.session.playBotTurn();
    EXPECT_EQ(Json(*rig.session.table()), after);
}

TEST(GameSessionHandFlow, FoldedHandIsRecordedAndReported) {
    SessionRig rig;
    startHeadsUp(rig, 9);
    rig.session.submitHumanAction(PlayerActionType::fold);
    ASSERT_EQ(rig.stats.handHistory().size(), 1u);
    const HandRecord& record = rig.stats.handHistory().front();
    EXPECT_EQ(record.id, HandRecord::identifier(1, rig.session.currentHandSeed()));
    EXPECT_EQ(record.humanNet, -5);
    EXPECT_EQ(record.timestamp, testing::fixedDate());
    EXPECT_EQ(record.events, rig.session.currentHandEvents());
    EXPECT_EQ(record.grades.size(), 1u);
    EXPECT_EQ(rig.session.lastHandGrades(), record.grades);
    EXPECT_TRUE(rig.session.currentHandGrades().empty());
    EXPECT_EQ(rig.session.sessionSummary().handsPlayed, 1);
    EXPECT_EQ(rig.session.sessionSummary().netChips, -5);
    const auto log = rig.session.actionLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().id, "preflop");
    const auto& entries = log.front().entries;
    EXPECT_TRUE(
        std::any_of(entries.begin(), entries.end(), [](const ActionLogEntry& e) { return e.isHuman; }));
    EXPECT_EQ(ActionLogStreet::flattenedTexts(log, 100)->find("bot-0"), std::string::npos);
    const auto report = rig.session.handReport();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->netChips, -5);
    EXPECT_EQ(report->decisionCount(), 1);
}

// A rebuy while the report shows must not rewrite the lost hand's result.
TEST(GameSessionHandFlow, ReportKeepsTheNetOfTheHandAfterARebuy) {
    SessionRig rig;
    startHeadsUp(rig, 9);
    rig.session.submitHumanAction(PlayerActionType::fold);
    // New stakes leave the running blinds alone; the rebuy reads the buy-in anew.
    rig.settings.cashConfig.set(CashGameConfig{50, 100, 300});
    rig.session.rebuy();
    EXPECT_EQ(rig.session.table()->player("human")->stack, 1295);
    EXPECT_EQ(rig.session.table()->bigBlind, 10);
    ASSERT_TRUE(rig.session.handReport());
    EXPECT_EQ(rig.session.handReport()->netChips, -5);
}

// Plays the hand to its end: bots by their profiles, the human folding or else checking.
void playOutFoldingOrChecking(SessionRig& rig) {
    for (int step = 0; step < 100 && rig.session.table()->isHandInProgress; ++step) {
        if (rig.session.isHumanTurn())
            rig.session.submitHumanAction(rig.session.humanLegalActions()->canFold ? PlayerActionType::fold
                                                                                   : PlayerActionType::check);
        else
            rig.session.playBotTurn();
    }
    ASSERT_FALSE(rig.session.table()->isHandInProgress);
}

// A hand without a graded decision reports none; the decisions of the hand before stay with that hand.
TEST(GameSessionHandFlow, ReportOfAHandWithoutGradedDecisionsShowsNone) {
    SessionRig rig;
    startHeadsUp(rig, 9);
    rig.session.submitHumanAction(PlayerActionType::fold);
    ASSERT_EQ(rig.session.handReport()->decisionCount(), 1);

    rig.settings.guideMode.set(GuideMode::off);
    rig.session.startHand();
    playOutFoldingOrChecking(rig);
    ASSERT_EQ(rig.session.table()->handNumber, 2);
    ASSERT_TRUE(rig.session.handReport());
    EXPECT_EQ(rig.session.handReport()->decisionCount(), 0);

    // A walk: the big blind wins without a decision.
    for (std::int32_t seed = 1; seed < 300; ++seed) {
        SessionRig walk;
        startHeadsUp(walk, seed);
        walk.session.submitHumanAction(PlayerActionType::fold);
        walk.session.startHand();
        walk.session.playBotTurn();
        if (walk.session.table()->isHandInProgress) continue;
        ASSERT_TRUE(walk.session.handReport());
        EXPECT_EQ(walk.session.handReport()->decisionCount(), 0);
        EXPECT_EQ(walk.session.handReport()->netChips, 5);
        return;
    }
    FAIL() << "no seed gave the human a walk";
}

// All in for exactly what is owed is a call for the grade, the action log and the read of the range.
TEST(GameSessionHandFlow, AllInForExactlyTheCallCountsAsACallEverywhere) {
    SessionRig source;
    startHeadsUp(source, 4);
    SessionSnapshot s = *source.session.makeSnapshot();
    Player& human = *s.table.player("human");
    human.stack = s.table.currentBet - human.streetContribution;
    ASSERT_EQ(human.stack, 5);

    SessionRig rig;
    rig.session.restore(s);
    ASSERT_TRUE(rig.session.isHumanTurn());
    rig.session.submitHumanAction(PlayerActionType::allIn);
    ASSERT_TRUE(rig.session.table()->isHandInProgress);
    ASSERT_EQ(rig.session.currentHandGrades().size(), 1u);
    EXPECT_EQ(rig.session.currentHandGrades()[0].resolvedType, PlayerActionType::call);
    EXPECT_EQ(rig.session.currentHandGrades()[0].playerAction.type, PlayerActionType::allIn);

    const auto log = rig.session.actionLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().entries.back().text, "You called $5");
    EXPECT_TRUE(log.front().entries.back().isHuman);

    const auto histories = PlayerActionHistory::build(rig.session.currentHandEvents());
    EXPECT_EQ(histories.at("human").preflopAction, RangeAction::call);
}

// The human shoves 1000 into a bot's 300. Called, he loses: the engine hands back the 700 nobody matched as a
// pot of its own. Folded to, he wins the pot in one award, 980 of it his own chips. The records keep the
// engine's winners and events, while what the human reads tells a return apart from a win.
const HandRecord& shoveAtAShortStack(SessionRig& rig, std::int32_t gameRngState) {
    auto snapshot = snapshotOf(tableBetweenHands(GameMode::cash, {1000, 300}, 0));
    snapshot.gameRngState = gameRngState;
    rig.session.restore(snapshot);
    rig.session.startHand();
    for (int step = 0; step < 20 && rig.session.table()->isHandInProgress; ++step) {
        if (rig.session.isHumanTurn())
            rig.session.submitHumanAction(PlayerActionType::allIn);
        else
            rig.session.playBotTurn();
    }
    EXPECT_EQ(rig.stats.handHistory().size(), 1u);
    const HandRecord& record = rig.stats.handHistory().front();
    EXPECT_EQ(record.events, rig.session.currentHandEvents());
    return record;
}

TEST(GameSessionHandFlow, AShoveReadsAsWhatItWonAndWhatCameBack) {
    SessionRig called;
    const HandRecord& lost = shoveAtAShortStack(called, 3);  // deals the bot the better hand, and it calls
    ASSERT_EQ(called.session.table()->street, Street::showdown);
    EXPECT_EQ(lost.humanNet, -300);
    EXPECT_EQ(lost.winners, (std::vector<Winner>{{"bot-0", 600, "Pair"}, {"human", 700, "Pair"}}));
    EXPECT_EQ(lost.events.end()[-2], EngineEvent(EngineEvent::PotAwarded{"bot-0", 600, 0}));
    EXPECT_EQ(lost.events.back(), EngineEvent(EngineEvent::PotAwarded{"human", 700, 1}));
    EXPECT_EQ(called.session.handReport()->resultLine, "Bot 0 won with Pair");
    EXPECT_EQ(ActionLogStreet::flattenedTexts(called.session.actionLog(), 2),
              "Bot 0 won $600 \u2022 Uncalled $700 returned to You");
    EXPECT_EQ(ReplayView(lost, 1 << 20).caption, "Uncalled 700 returned to You");

    SessionRig foldedTo;
    const HandRecord& won = shoveAtAShortStack(foldedTo, 2);  // the bot folds its big blind of 20
    ASSERT_EQ(foldedTo.session.table()->street, Street::preflop);
    EXPECT_EQ(won.humanNet, 20);
    EXPECT_EQ(won.winners, (std::vector<Winner>{{"human", 1020, "Opponents folded"}}));
    EXPECT_EQ(won.events.back(), EngineEvent(EngineEvent::PotAwarded{"human", 1020, 0}));
    EXPECT_EQ(foldedTo.session.handReport()->resultLine, "You won the pot");
    EXPECT_EQ(ActionLogStreet::flattenedTexts(foldedTo.session.actionLog(), 2),
              "You won $40 \u2022 Uncalled $980 returned to You");
    EXPECT_EQ(ReplayView(won, 1 << 20).caption, "You win 40 \u00b7 Uncalled 980 returned to You");
}

// Records stamped by the system clock come back from the statistics document exactly as they were made.
TEST(GameSessionHandFlow, RecordsStampedByTheSystemClockSurviveASave) {
    auto store = std::make_shared<InMemoryStore>();
    SettingsStore settings;
    StatsStore stats;
    settings.load(store);
    stats.load(store);
    GameSession session(settings, stats, nullptr);
    session.setComputesAdviceSynchronously(true);
    session.startCashGame(1, 9);
    for (int hand = 0; hand < 8; ++hand) {
        for (int step = 0; step < 100 && session.table()->isHandInProgress; ++step) {
            if (session.isHumanTurn())
                session.submitHumanAction(PlayerActionType::fold);
            else
                session.playBotTurn();
        }
        session.startHand();
    }
    ASSERT_GE(stats.handHistory().size(), 8u);

    StatsStore reloaded;
    reloaded.load(store);
    EXPECT_EQ(reloaded.handHistory(), stats.handHistory());
    EXPECT_EQ(StatsStore::Snapshot({reloaded.stats(), reloaded.handHistory()}),
              StatsStore::Snapshot({stats.stats(), stats.handHistory()}));
}

TEST(GameSessionHandFlow, HandReportIsNoneWhileAHandRuns) {
    SessionRig rig;
    startHeadsUp(rig, 9);
    EXPECT_FALSE(rig.session.handReport());
}

TEST(GameSessionHandFlow, GuideOffGradesNothingAndGradeOnlyGradesWithoutShowing) {
    SessionRig off(false, GuideMode::off);
    startHeadsUp(off, 12);
    EXPECT_FALSE(off.session.humanAdvice());
    off.session.submitHumanAction(PlayerActionType::call);
    EXPECT_TRUE(off.session.currentHandGrades().empty());

    SessionRig gradeOnly(false, GuideMode::gradeOnly);
    startHeadsUp(gradeOnly, 12);
    EXPECT_TRUE(gradeOnly.session.humanAdvice());
    EXPECT_FALSE(gradeOnly.session.visibleAdvice());
    gradeOnly.session.submitHumanAction(PlayerActionType::call);
    ASSERT_EQ(gradeOnly.session.currentHandGrades().size(), 1u);
    EXPECT_EQ(gradeOnly.session.currentHandGrades()[0].resolvedType, PlayerActionType::call);
}

// The raise-to of a grade is the street total: the chips put in plus what was in already.
TEST(GameSessionHandFlow, GradedRaiseToCountsTheChipsAlreadyInOnTheStreet) {
    for (std::int32_t seed = 1; seed < 300; ++seed) {
        SessionRig probe;
        probe.session.startCashGame(1, seed);
        const auto& advice = probe.session.humanAdvice();
        if (!probe.session.isHumanTurn() || !advice || advice->recommendedAction != PlayerActionType::raise ||
            !advice->recommendedAmount)
            continue;
        const std::int64_t twice = 2 * *advice->recommendedAmount;
        const auto legal = *probe.session.humanLegalActions();
        if (twice + 5 > legal.maxRaiseTo) continue;
        ASSERT_GT(probe.session.table()->player("human")->streetContribution, 0);

        SessionRig atTwice, above;
        atTwice.session.startCashGame(1, seed);
        above.session.startCashGame(1, seed);
        atTwice.session.submitHumanAction(PlayerActionType::raise, twice);
        above.session.submitHumanAction(PlayerActionType::raise, twice + 5);
        ASSERT_EQ(atTwice.session.currentHandGrades().size(), 1u);
        ASSERT_EQ(above.session.currentHandGrades().size(), 1u);
        EXPECT_TRUE(atTwice.session.currentHandGrades()[0].agreed);
        EXPECT_FALSE(above.session.currentHandGrades()[0].agreed);
        return;
    }
    FAIL() << "no seed gave a preflop raise advice";
}

// A grade carries the street, pot and price from before the action, also when the action closes the street.
TEST(GameSessionHandFlow, GradeTakesTheStreetPotAndPriceFromBeforeTheAction) {
    for (std::int32_t seed = 1; seed < 200; ++seed) {
        SessionRig rig;
        rig.session.startCashGame(1, seed);
        rig.session.submitHumanAction(PlayerActionType::call);
        ASSERT_EQ(rig.session.currentHandGrades().size(), 1u);
        const GradedDecision call = rig.session.currentHandGrades()[0];
        EXPECT_EQ(call.handNumber, 1);
        EXPECT_EQ(call.street, Street::preflop);
        EXPECT_EQ(call.potSize, 15);
        EXPECT_EQ(call.toCall, 5);
        EXPECT_EQ(call.resolvedType, PlayerActionType::call);

        // The big blind checks, then checks the flop to the human, whose check deals the turn.
        rig.session.playBotTurn();
        if (rig.session.table()->street != Street::flop || rig.session.isHumanTurn()) continue;
        rig.session.playBotTurn();
        if (!rig.session.isHumanTurn() || rig.session.table()->currentBet != 0) continue;
        rig.session.submitHumanAction(PlayerActionType::check);
        ASSERT_EQ(rig.session.table()->street, Street::turn);
        ASSERT_EQ(rig.session.currentHandGrades().size(), 2u);
        const GradedDecision check = rig.session.currentHandGrades()[1];
        EXPECT_EQ(check.street, Street::flop);
        EXPECT_EQ(check.potSize, 20);
        EXPECT_EQ(check.toCall, 0);
        EXPECT_TRUE(check.equity);
        return;
    }
    FAIL() << "no seed checked the flop through";
}

TEST(GameSessionHandFlow, PreActionCheckFacingABetIsClearedWithoutActing) {
    SessionRig rig;
    startHeadsUp(rig, 21);
    rig.session.setPreAction(PreAction::check);
    EXPECT_FALSE(rig.session.applyPreAction());
    EXPECT_FALSE(rig.session.preAction());
    EXPECT_TRUE(rig.session.isHumanTurn());

    rig.session.setPreAction(PreAction::callAny);
    EXPECT_TRUE(rig.session.applyPreAction());
    EXPECT_FALSE(rig.session.preAction());
    const auto* taken = rig.session.currentHandEvents().back().as<EngineEvent::ActionTaken>();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->resolvedType, PlayerActionType::call);
}

TEST(GameSessionHandFlow, PreActionWaitsWhileItIsNotTheHumansTurn) {
    SessionRig rig;
    rig.session.startCashGame(3, 21);
    if (rig.session.isHumanTurn()) GTEST_SKIP();
    rig.session.setPreAction(PreAction::checkFold);
    EXPECT_FALSE(rig.session.applyPreAction());
    EXPECT_EQ(rig.session.preAction(), PreAction::checkFold);
}

TEST(GameSessionHandFlow, BotWithoutProfilePlaysAsTheStandardProfile) {
    SessionRig withProfiles, without;
    withProfiles.session.startCashGame(4, 31);
    auto snapshot = *withProfiles.session.makeSnapshot();
    for (auto& [id, profile] : snapshot.botProfiles)
        profile = BotProfile::standard;
    withProfiles.session.restore(snapshot);
    snapshot.botProfiles.clear();
    without.session.restore(snapshot);
    for (int i = 0; i < 40 && withProfiles.session.table()->isHandInProgress; ++i) {
        if (withProfiles.session.isHumanTurn()) {
            withProfiles.session.submitHumanAction(PlayerActionType::fold);
            without.session.submitHumanAction(PlayerActionType::fold);
        }
        withProfiles.session.playBotTurn();
        without.session.playBotTurn();
        ASSERT_EQ(Json(*withProfiles.session.table()), Json(*without.session.table()));
    }
}

TEST(GameSessionHandFlow, TwoBustsInOneHandGoOutSmallestStartingStackFirst) {
    SessionRig rig;
    auto snapshot = snapshotOf(tableBetweenHands(GameMode::tournament, {3000, 0, 0, 900}, 4));
    snapshot.handSeatsSnapshot[1].startingStack = 800;
    snapshot.handSeatsSnapshot[2].startingStack = 300;
    rig.session.restore(snapshot);
    rig.session.startHand();
    EXPECT_EQ(rig.session.eliminationOrder(), (std::vector<std::string>{"bot-1", "bot-0"}));
    EXPECT_FALSE(rig.session.tournamentOver());
    EXPECT_TRUE(rig.session.table()->isHandInProgress);
    EXPECT_EQ(rig.session.table()->handNumber, 5);
}

TEST(GameSessionHandFlow, EqualStartingStacksGoOutInPlayerOrder) {
    SessionRig rig;
    auto snapshot = snapshotOf(tableBetweenHands(GameMode::tournament, {3000, 0, 0, 900}, 4));
    snapshot.handSeatsSnapshot[1].startingStack = 500;
    snapshot.handSeatsSnapshot[2].startingStack = 500;
    rig.session.restore(snapshot);
    rig.session.startHand();
    EXPECT_EQ(rig.session.eliminationOrder(), (std::vector<std::string>{"bot-0", "bot-1"}));
}

TEST(GameSessionHandFlow, LastPlayerStandingEndsTheTournament) {
    SessionRig rig;
    auto snapshot = snapshotOf(tableBetweenHands(GameMode::tournament, {4800, 0, 0}, 30));
    snapshot.handSeatsSnapshot[1].startingStack = 800;
    snapshot.handSeatsSnapshot[2].startingStack = 300;
    snapshot.currentHandEvents = {EngineEvent::HandStarted{30, 1}};
    rig.session.restore(snapshot);
    rig.session.startHand();
    EXPECT_TRUE(rig.session.tournamentOver());
    const std::vector<Standing> expected{{"human", 1, 0.0}, {"bot-0", 2, 0.0}, {"bot-1", 3, 0.0}};
    ASSERT_TRUE(rig.session.standings());
    ASSERT_EQ(rig.session.standings()->size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ((*rig.session.standings())[i].playerId, expected[i].playerId);
        EXPECT_EQ((*rig.session.standings())[i].place, expected[i].place);
    }
    EXPECT_TRUE(rig.session.table()->player("bot-0")->isEliminated);
    EXPECT_EQ(rig.session.table()->handNumber, 30);
    EXPECT_FALSE(rig.session.table()->isHandInProgress);
    EXPECT_EQ(rig.session.currentHandEvents(), snapshot.currentHandEvents);
    EXPECT_FALSE(rig.session.makeSnapshot());
}

// Blinds that put both players all in end the hand inside the deal: it is still recorded.
TEST(GameSessionHandFlow, HandOverAtTheDealIsRecorded) {
    SessionRig rig;
    rig.session.restore(snapshotOf(tableBetweenHands(GameMode::tournament, {5, 10}, 3)));
    rig.session.startHand();
    const TableState& t = *rig.session.table();
    ASSERT_FALSE(t.isHandInProgress);
    ASSERT_TRUE(t.winners);
    ASSERT_EQ(rig.stats.handHistory().size(), 1u);
    const HandRecord& r = rig.stats.handHistory().front();
    EXPECT_EQ(r.handNumber, 4);
    EXPECT_EQ(r.humanNet, t.player("human")->stack - 5);
    EXPECT_EQ(rig.session.sessionSummary().handsPlayed, 1);
    ASSERT_TRUE(rig.session.handReport());
    EXPECT_EQ(rig.session.handReport()->netChips, r.humanNet);
    // A start that deals nothing records nothing more.
    rig.session.startHand();
    EXPECT_EQ(rig.stats.handHistory().size(), 1u);
}

TEST(GameSessionHandFlow, NobodyLeftGivesEmptyStandings) {
    SessionRig rig;
    rig.session.restore(snapshotOf(tableBetweenHands(GameMode::tournament, {0, 0, 0}, 8)));
    rig.session.startHand();
    EXPECT_TRUE(rig.session.tournamentOver());
    ASSERT_TRUE(rig.session.standings());
    EXPECT_TRUE(rig.session.standings()->empty());
}

TEST(GameSessionHandFlow, TournamentBlindsFollowTheLevelOfTheNextHand) {
    struct Case {
        std::int64_t lastHand;
        BlindLevel expected;
    };
    for (const Case& c :
         {Case{9, {1, 10, 20, 0}}, Case{10, {2, 15, 30, 0}}, Case{199, {10, 400, 800, 200}}}) {
        SessionRig rig;
        rig.session.restore(snapshotOf(tableBetweenHands(GameMode::tournament, {5000, 5000}, c.lastHand)));
        rig.session.startHand();
        const TableState& t = *rig.session.table();
        EXPECT_EQ(t.handNumber, c.lastHand + 1);
        EXPECT_EQ(t.smallBlind, c.expected.smallBlind);
        EXPECT_EQ(t.bigBlind, c.expected.bigBlind);
        EXPECT_EQ(t.ante, c.expected.ante);
    }
}

TEST(GameSessionHandFlow, TournamentSettingsChangedMidGameApplyFromTheNextHand) {
    SessionRig rig;
    rig.session.startTournament(1, 3);
    rig.settings.tournamentConfig.modify([](TournamentConfig& c) { c.handsPerLevel = 1; });
    while (rig.session.table()->isHandInProgress) {
        if (rig.session.isHumanTurn())
            rig.session.submitHumanAction(PlayerActionType::fold);
        else
            rig.session.playBotTurn();
    }
    rig.session.startHand();
    EXPECT_EQ(rig.session.table()->handNumber, 2);
    EXPECT_EQ(rig.session.table()->bigBlind, 30);
}

TEST(GameSessionHandFlow, CashGameRefillsBustedBotsButNotTheHuman) {
    SessionRig rig;
    rig.settings.cashConfig.set(CashGameConfig{5, 10, 700});
    rig.session.restore(snapshotOf(tableBetweenHands(GameMode::cash, {0, 0, 900}, 3)));
    rig.session.startHand();
    const TableState& t = *rig.session.table();
    EXPECT_EQ(rig.session.handSeatsSnapshot()[1].startingStack, 700);
    EXPECT_EQ(t.player("bot-0")->stack + t.player("bot-0")->totalContribution, 700);
    EXPECT_EQ(t.player("human")->stack, 0);
    EXPECT_TRUE(t.player("human")->holeCards.empty());
    EXPECT_EQ(t.bigBlind, 20);  // the running blinds stay
}

}  // namespace
}  // namespace pellox
