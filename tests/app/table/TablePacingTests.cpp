// The table screen's pacing decisions over real sessions.
#include <gtest/gtest.h>

#include <sstream>

#include "TableTestSupport.hpp"
#include "table/TablePacing.hpp"

namespace pellox::app {
namespace {

using testing::handOver;
using testing::playUntil;
using testing::SessionRig;
using Sound = TablePacing::Sound;
using PacingKey = TablePacing::PacingKey;

std::string textOf(const PacingKey& key) {
    std::ostringstream out;
    out << key;
    return out.str();
}

struct PacingRig {
    SessionRig rig;
    TablePacing pacing;
    Subscription tableWatch;

    explicit PacingRig(bool frozen = false, bool reduceMotion = false)
        : pacing(rig.session, rig.settings, frozen, reduceMotion),
          tableWatch(rig.session.subscribe(GameSession::Property::table,
                                           [this](std::string_view) { pacing.observeTable(); })) {}

    GameSession& session() { return rig.session; }
    std::int64_t boardLength() { return static_cast<std::int64_t>(session().table()->board.size()); }
};

TEST(TablePacing, WithoutATableEverythingFallsBackAndNothingRuns) {
    PacingRig r;
    EXPECT_EQ(r.pacing.pacingKey(), PacingKey{});
    EXPECT_EQ(textOf(r.pacing.pacingKey()), "0:-:-1:0:0:false:0:false:false:false:false#0");
    EXPECT_EQ(r.pacing.pacingStep(0.5).phase, PacingPhase::idle);
    EXPECT_FALSE(r.pacing.pacingStep(0.5).advance);
    EXPECT_EQ(r.pacing.revealedBoardCount(), 0);
    EXPECT_EQ(r.pacing.dealtCardCount(), 0);
    EXPECT_FALSE(r.pacing.isFirstActionOfHand());
    EXPECT_FALSE(r.pacing.showsPreActions());
    EXPECT_EQ(r.pacing.resultSoundKey(), TablePacing::ResultSoundKey{});
    EXPECT_EQ(r.pacing.advanceOrRevealAll(), TablePacing::Skip::nothing);
    EXPECT_TRUE(r.pacing.soundsDue().empty());
}

TEST(TablePacing, DelaysFollowTheGameSpeedAndReduceMotionOnlyShortensTheReveal) {
    PacingRig r;
    r.session().startCashGame(5, 1);
    r.rig.settings.gameSpeed.set(GameSpeed::fast);
    PacingTimings fast0 = r.pacing.pacingTimings(0), fast1 = r.pacing.pacingTimings(1);
    EXPECT_DOUBLE_EQ(fast0.firstBoardCardDelay, 0.11);
    EXPECT_DOUBLE_EQ(fast0.nextBoardCardDelay, 0.275);
    EXPECT_DOUBLE_EQ(fast0.botThinkDelay, 0.275);
    EXPECT_DOUBLE_EQ(fast1.botThinkDelay, 0.715);
    EXPECT_DOUBLE_EQ(fast0.betweenHandsDelay, 1.375);
    r.rig.settings.gameSpeed.set(GameSpeed::relaxed);
    EXPECT_DOUBLE_EQ(r.pacing.pacingTimings(1).botThinkDelay, 1.95);
    EXPECT_DOUBLE_EQ(r.pacing.pacingTimings(0).betweenHandsDelay, 3.75);
    EXPECT_DOUBLE_EQ(r.pacing.animationTimings().cardFlight, 0.48);

    PacingRig reduced(false, true);
    reduced.session().startCashGame(5, 1);
    const PacingTimings t = reduced.pacing.pacingTimings(0);
    EXPECT_EQ(t.firstBoardCardDelay, 0);
    EXPECT_EQ(t.nextBoardCardDelay, 0);
    EXPECT_DOUBLE_EQ(t.botThinkDelay, 0.5);
    EXPECT_DOUBLE_EQ(t.betweenHandsDelay, 2.5);
    EXPECT_EQ(reduced.pacing.animationTimings(), AnimationTimings{});
}

TEST(TablePacing, TheFirstBotWaitsForTheDealAndLaterBotsDoNot) {
    PacingRig r;
    r.session().startCashGame(5, 3);
    ASSERT_TRUE(playUntil(r.session(), [&] { return r.session().table()->currentPlayer()->isBot; }));
    ASSERT_TRUE(r.pacing.isFirstActionOfHand());
    EXPECT_EQ(r.pacing.dealtCardCount(), 12);
    const PacingStep step = r.pacing.pacingStep(0);
    ASSERT_EQ(step.phase, PacingPhase::botThinking);
    EXPECT_DOUBLE_EQ(r.pacing.delayBefore(*step.advance), 0.5 + 0.32 + 0.07 * 11);

    // Somebody has acted: no deal wait any more.
    r.session().playBotTurn();
    ASSERT_TRUE(playUntil(r.session(), [&] {
        const Player* acting = r.session().table()->currentPlayer();
        return acting && acting->isBot;
    }));
    ASSERT_FALSE(r.pacing.isFirstActionOfHand());
    const PacingStep later = r.pacing.pacingStep(1);
    if (later.advance) {
        EXPECT_DOUBLE_EQ(r.pacing.delayBefore(*later.advance), later.advance->after);
    }

    PacingRig reduced(false, true);
    reduced.session().startCashGame(5, 3);
    ASSERT_TRUE(reduced.pacing.isFirstActionOfHand());
    const PacingStep first = reduced.pacing.pacingStep(0);
    ASSERT_TRUE(first.advance);
    EXPECT_DOUBLE_EQ(reduced.pacing.delayBefore(*first.advance), first.advance->after);
}

TEST(TablePacing, TheBoardIsShownCardByCardAndSkippingShowsItAllBeforeTheNextHand) {
    PacingRig r;
    r.session().startCashGame(3, 8);
    ASSERT_TRUE(playUntil(r.session(), [&] { return r.boardLength() >= 3; }));
    EXPECT_EQ(r.pacing.revealedBoardCount(), 0);
    PacingStep step = r.pacing.pacingStep(0);
    EXPECT_EQ(step.phase, PacingPhase::revealingBoard);
    EXPECT_DOUBLE_EQ(step.advance->after, 0.2);
    const PacingKey before = r.pacing.pacingKey();
    r.pacing.revealOneMoreCard();
    EXPECT_EQ(r.pacing.revealedBoardCount(), 1);
    EXPECT_NE(r.pacing.pacingKey(), before);
    EXPECT_DOUBLE_EQ(r.pacing.pacingStep(0).advance->after, 0.5);

    EXPECT_EQ(r.pacing.advanceOrRevealAll(), TablePacing::Skip::revealedBoard);
    EXPECT_EQ(r.pacing.revealedBoardCount(), r.boardLength());
    if (!handOver(r.session())) {
        EXPECT_EQ(r.pacing.advanceOrRevealAll(), TablePacing::Skip::nothing);
    }

    ASSERT_TRUE(playUntil(r.session(), [&] { return handOver(r.session()); }));
    while (r.pacing.revealedBoardCount() < r.boardLength())
        r.pacing.revealOneMoreCard();
    EXPECT_EQ(r.pacing.pacingStep(0).phase, PacingPhase::handOver);
    EXPECT_EQ(r.pacing.advanceOrRevealAll(), TablePacing::Skip::startHand);

    // A new hand number shows no board card until the pacing reveals them.
    r.session().startHand();
    EXPECT_EQ(r.pacing.revealedBoardCount(), 0);
}

// The human acts on a street only once the felt shows its cards: all revealed, and landed on the felt.
TEST(TablePacing, TheActionBarWaitsForTheStreetsCardsToLand) {
    PacingRig r;
    r.session().startCashGame(3, 8);
    ASSERT_TRUE(playUntil(r.session(), [&] { return r.session().isHumanTurn(); }));
    EXPECT_EQ(r.pacing.actionArea(0), ActionArea::actionBar) << "no board to land preflop";
    ASSERT_TRUE(playUntil(r.session(), [&] { return r.boardLength() >= 3 && r.session().isHumanTurn(); }));
    const std::int64_t n = r.boardLength();
    EXPECT_EQ(r.pacing.actionArea(n), ActionArea::empty);
    while (r.pacing.revealedBoardCount() < n - 1)
        r.pacing.revealOneMoreCard();
    EXPECT_EQ(r.pacing.actionArea(n), ActionArea::empty) << "its last card not yet revealed";
    r.pacing.revealOneMoreCard();
    EXPECT_EQ(r.pacing.actionArea(n - 1), ActionArea::empty) << "its last card still on its way in";
    EXPECT_EQ(r.pacing.actionArea(n), ActionArea::actionBar);
}

TEST(TablePacing, TheReportLengthensThePauseBetweenHands) {
    PacingRig r;
    r.session().startCashGame(2, 12);
    ASSERT_TRUE(playUntil(r.session(), [&] { return handOver(r.session()); }));
    r.pacing.advanceOrRevealAll();
    ASSERT_TRUE(r.session().handReport());
    EXPECT_TRUE(r.pacing.reportShown());
    EXPECT_DOUBLE_EQ(r.pacing.pacingTimings(0).betweenHandsDelay, 9.0);
}

TEST(TablePacing, BlockingFlagsStopPlayAndStillChangeTheKey) {
    PacingRig r;
    r.session().startCashGame(3, 5);
    const PacingKey open = r.pacing.pacingKey();
    r.pacing.setShowingSummary(true);
    EXPECT_EQ(r.pacing.pacingStep(0).phase, PacingPhase::blocked);
    PacingKey blocked = open;
    blocked.showingSummary = true;
    EXPECT_EQ(r.pacing.pacingKey(), blocked);
    EXPECT_EQ(r.pacing.advanceOrRevealAll(), TablePacing::Skip::nothing);

    PacingRig frozen(true, false);
    frozen.session().startCashGame(3, 5);
    ASSERT_TRUE(playUntil(frozen.session(), [&] { return frozen.boardLength() >= 3; }));
    EXPECT_EQ(frozen.pacing.revealedBoardCount(), frozen.boardLength());
    EXPECT_EQ(frozen.pacing.pacingStep(0).phase, PacingPhase::blocked);
    EXPECT_EQ(frozen.pacing.animationTimings(), AnimationTimings{});
}

// The human shoves every hand until a hand leaves them without chips.
bool bustHuman(GameSession& session) {
    for (int step = 0; step < 200000 && !session.humanBustedInCash(); ++step) {
        const auto& table = session.table();
        if (!table->isHandInProgress) {
            session.startHand();
        } else if (session.isHumanTurn()) {
            const auto legal = *session.humanLegalActions();
            session.submitHumanAction(legal.canAllIn ? PlayerActionType::allIn : PlayerActionType::call);
        } else {
            session.playBotTurn();
        }
    }
    return session.humanBustedInCash();
}

TEST(TablePacing, TheHandThatEndsTheGamePlaysOutBeforeTheEndIsShown) {
    PacingRig r;
    r.session().startCashGame(1, 617);
    ASSERT_TRUE(bustHuman(r.session()));
    EXPECT_TRUE(r.pacing.gameOver());
    EXPECT_FALSE(r.pacing.endShown());
    // The board runs out card by card, then the hand's pause runs as after any hand.
    ASSERT_EQ(r.boardLength(), 5);
    while (r.pacing.revealedBoardCount() < r.boardLength()) {
        EXPECT_EQ(r.pacing.pacingStep(0).phase, PacingPhase::revealingBoard);
        r.pacing.revealOneMoreCard();
    }
    const PacingStep pause = r.pacing.pacingStep(0);
    EXPECT_EQ(pause.phase, PacingPhase::handOver);
    EXPECT_EQ(pause.advance->action, PacingAction::startNextHand);
    EXPECT_FALSE(r.pacing.endShown());

    // At its end no hand starts: the end is shown and play stops.
    const PacingKey before = r.pacing.pacingKey();
    EXPECT_FALSE(r.pacing.finishHand());
    EXPECT_TRUE(r.pacing.endShown());
    EXPECT_NE(r.pacing.pacingKey(), before);
    EXPECT_EQ(r.pacing.pacingStep(0).phase, PacingPhase::blocked);
    EXPECT_EQ(r.pacing.advanceOrRevealAll(), TablePacing::Skip::nothing);

    // A rebuy takes the end away and the next hand comes after the pause.
    r.session().rebuy();
    EXPECT_FALSE(r.pacing.endShown());
    EXPECT_EQ(r.pacing.pacingStep(0).phase, PacingPhase::handOver);
    EXPECT_TRUE(r.pacing.finishHand());

    // Skipping the pause lets the end in at once; a frozen table shows it as it is.
    PacingRig skip;
    skip.session().startCashGame(1, 617);
    ASSERT_TRUE(bustHuman(skip.session()));
    EXPECT_EQ(skip.pacing.advanceOrRevealAll(), TablePacing::Skip::revealedBoard);
    EXPECT_EQ(skip.pacing.advanceOrRevealAll(), TablePacing::Skip::endShown);
    EXPECT_TRUE(skip.pacing.endShown());
    PacingRig frozen(true);
    frozen.session().startCashGame(1, 617);
    ASSERT_TRUE(bustHuman(frozen.session()));
    EXPECT_TRUE(frozen.pacing.endShown());
}

TEST(TablePacing, PreActionsShowWhileABotActsAndTheHumanIsStillIn) {
    PacingRig r;
    r.session().startCashGame(5, 21);
    ASSERT_TRUE(playUntil(r.session(), [&] {
        const Player* acting = r.session().table()->currentPlayer();
        return acting && acting->isBot;
    }));
    EXPECT_TRUE(r.pacing.showsPreActions());
    ASSERT_TRUE(playUntil(r.session(), [&] { return r.session().isHumanTurn(); }));
    EXPECT_FALSE(r.pacing.showsPreActions());
    r.session().submitHumanAction(PlayerActionType::fold);
    EXPECT_FALSE(r.pacing.showsPreActions());
}

TEST(TablePacing, SoundsPlayOncePerHandAndTheResultWaitsForTheWholeBoard) {
    PacingRig r;
    EXPECT_TRUE(r.pacing.soundsDue().empty());
    r.session().startCashGame(3, 40);
    EXPECT_EQ(r.pacing.soundsDue(), (std::vector{Sound::deal, Sound::chip}));
    EXPECT_TRUE(r.pacing.soundsDue().empty());

    int fullBoards = 0;
    for (int hand = 0; hand < 12; ++hand) {
        ASSERT_TRUE(playUntil(r.session(), [&] { return handOver(r.session()); }));
        std::vector<Sound> heard = r.pacing.soundsDue();
        const auto result = [&] {
            const auto& winners = *r.session().table()->winners;
            bool won = std::any_of(winners.begin(), winners.end(),
                                   [](const Winner& w) { return w.playerId == "human"; });
            return won ? Sound::win : Sound::chip;
        }();
        if (r.boardLength() > 0) {
            EXPECT_EQ(std::count(heard.begin(), heard.end(), Sound::win), 0);
            while (r.pacing.revealedBoardCount() < r.boardLength()) {
                r.pacing.revealOneMoreCard();
                heard = r.pacing.soundsDue();
                if (r.pacing.revealedBoardCount() < r.boardLength()) {
                    EXPECT_TRUE(heard.empty());
                }
            }
            fullBoards += r.boardLength() == 5;
        }
        EXPECT_EQ(heard, std::vector{result});
        EXPECT_TRUE(r.pacing.soundsDue().empty());
        r.session().startHand();
        const auto next = r.pacing.soundsDue();
        ASSERT_FALSE(next.empty());
        EXPECT_EQ(next.front(), Sound::deal);
    }
    EXPECT_GT(fullBoards, 0);
}

// Hand numbers start again at 1 in a new game on the same screen: its first hand must not inherit the
// old hand 1's revealed board, result sound or deal.
TEST(TablePacing, ANewGameOnTheSameScreenStartsItsHandStateAfresh) {
    PacingRig r;
    r.session().startCashGame(3, 9);
    ASSERT_TRUE(playUntil(
        r.session(), [&] { return handOver(r.session()) && r.boardLength() >= 3; }, 40));
    ASSERT_EQ(r.session().table()->handNumber, 1);
    r.pacing.advanceOrRevealAll();
    r.pacing.soundsDue();
    const std::uint64_t firstGame = r.pacing.game();

    r.session().startCashGame(3, 9);
    EXPECT_EQ(r.pacing.game(), firstGame + 1);
    EXPECT_EQ(r.pacing.soundsDue().front(), Sound::deal);
    ASSERT_TRUE(playUntil(r.session(), [&] { return r.boardLength() >= 3; }));
    ASSERT_EQ(r.session().table()->handNumber, 1);
    EXPECT_EQ(r.pacing.revealedBoardCount(), 0);
    ASSERT_TRUE(playUntil(r.session(), [&] { return handOver(r.session()); }));
    r.pacing.advanceOrRevealAll();
    const auto heard = r.pacing.soundsDue();
    EXPECT_TRUE(std::count(heard.begin(), heard.end(), Sound::win) +
                    std::count(heard.begin(), heard.end(), Sound::chip) >=
                1);
}

// Each value the pacing waits on is its own part of the key; the same table in a new game is a new key.
TEST(TablePacing, TheKeysTellEveryChangeThePacingWaitsOn) {
    PacingRig r;
    r.session().startCashGame(3, 14);
    const PacingKey dealt = r.pacing.pacingKey();
    EXPECT_EQ(textOf(dealt).substr(0, 10), "1:preflop:");
    EXPECT_TRUE(dealt.isHandInProgress);
    EXPECT_EQ(dealt.street, Street::preflop);
    EXPECT_EQ(dealt.currentToActSeatIndex, *r.session().table()->currentToActSeatIndex);
    EXPECT_EQ(dealt.actionQueueLength, r.session().table()->actionQueue.size());
    EXPECT_EQ(r.pacing.pacingKey(), dealt);

    ASSERT_TRUE(playUntil(r.session(), [&] { return r.boardLength() >= 3; }));
    const PacingKey flop = r.pacing.pacingKey();
    EXPECT_NE(flop, dealt);
    const TablePacing::ResultSoundKey hidden = r.pacing.resultSoundKey();
    r.pacing.revealOneMoreCard();
    EXPECT_EQ(r.pacing.pacingKey().revealedBoardCount, flop.revealedBoardCount + 1);
    EXPECT_NE(r.pacing.resultSoundKey(), hidden);

    const std::uint64_t firstGame = r.pacing.game();
    r.session().startCashGame(3, 14);
    ASSERT_EQ(r.pacing.game(), firstGame + 1);
    PacingKey sameDeal = dealt;
    sameDeal.hand.game = firstGame + 1;
    EXPECT_EQ(r.pacing.pacingKey(), sameDeal);
    EXPECT_NE(r.pacing.pacingKey(), dealt);
    EXPECT_EQ(textOf(sameDeal), textOf(dealt).substr(0, textOf(dealt).size() - 1) + "1");
}

}  // namespace
}  // namespace pellox::app
