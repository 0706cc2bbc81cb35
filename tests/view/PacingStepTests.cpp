#include "view/PacingStep.hpp"

#include "store/GameSpeed.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace pellox {
namespace {

PacingTimings timings() {
    PacingTimings t;
    t.firstBoardCardDelay = 0.2;
    t.nextBoardCardDelay = 0.5;
    t.botThinkDelay = 0.9;
    t.betweenHandsDelay = 2.5;
    return t;
}

PacingInput table() {
    PacingInput in;
    in.hasTable = true;
    return in;
}

using Advance = PacingStep::Advance;

TEST(PacingTimingsTests, DelaysScaleWithSpeed) {
    const PacingTimings normal(false, false, multiplier(GameSpeed::normal), 0.0);
    EXPECT_DOUBLE_EQ(normal.firstBoardCardDelay, 0.2);
    EXPECT_DOUBLE_EQ(normal.nextBoardCardDelay, 0.5);
    EXPECT_DOUBLE_EQ(normal.botThinkDelay, 0.5);
    EXPECT_DOUBLE_EQ(normal.betweenHandsDelay, 2.5);
    EXPECT_DOUBLE_EQ(PacingTimings(false, true, multiplier(GameSpeed::normal), 1.0).betweenHandsDelay, 9.0);
    EXPECT_DOUBLE_EQ(PacingTimings(false, true, multiplier(GameSpeed::normal), 1.0).botThinkDelay, 1.3);

    const PacingTimings fast(false, false, multiplier(GameSpeed::fast), 0.0);
    EXPECT_DOUBLE_EQ(fast.firstBoardCardDelay, 0.11);
    EXPECT_DOUBLE_EQ(fast.nextBoardCardDelay, 0.275);
    EXPECT_DOUBLE_EQ(fast.botThinkDelay, 0.275);
    EXPECT_DOUBLE_EQ(fast.betweenHandsDelay, 1.375);
    EXPECT_DOUBLE_EQ(PacingTimings(false, true, multiplier(GameSpeed::fast), 1.0).botThinkDelay, 0.715);
    EXPECT_DOUBLE_EQ(PacingTimings(false, true, multiplier(GameSpeed::fast), 1.0).betweenHandsDelay, 4.95);

    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::relaxed), 0.0).botThinkDelay, 0.75);
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::relaxed), 1.0).botThinkDelay, 1.95);
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::normal), 0.5).botThinkDelay, 0.9);
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::relaxed), 0.0).firstBoardCardDelay,
                     0.3);
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::relaxed), 0.0).nextBoardCardDelay,
                     0.75);
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::relaxed), 0.0).betweenHandsDelay,
                     3.75);
    EXPECT_DOUBLE_EQ(PacingTimings(false, true, multiplier(GameSpeed::relaxed), 0.0).betweenHandsDelay, 13.5);
}

TEST(PacingTimingsTests, ReduceMotionZeroesOnlyTheBoardReveal) {
    const PacingTimings t(true, false, multiplier(GameSpeed::normal), 1.0);
    EXPECT_EQ(t.firstBoardCardDelay, 0.0);
    EXPECT_EQ(t.nextBoardCardDelay, 0.0);
    EXPECT_DOUBLE_EQ(t.botThinkDelay, 1.3);
    EXPECT_DOUBLE_EQ(t.betweenHandsDelay, 2.5);
    EXPECT_DOUBLE_EQ(PacingTimings(true, true, multiplier(GameSpeed::normal), 0.0).betweenHandsDelay, 9.0);
}

TEST(PacingTimingsTests, JitterOutsideTheUnitRangeIsPulledIn) {
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::normal), -3).botThinkDelay, 0.5);
    EXPECT_DOUBLE_EQ(PacingTimings(false, false, multiplier(GameSpeed::normal), 7).botThinkDelay, 1.3);
    EXPECT_DOUBLE_EQ(
        PacingTimings(false, false, multiplier(GameSpeed::normal), std::numeric_limits<double>::quiet_NaN())
            .botThinkDelay,
        0.5);
}

TEST(PacingStepDecision, NoTableIsIdleWhateverElse) {
    PacingInput in;
    in.blocked = true;
    in.boardLength = 3;
    in.isHandInProgress = true;
    in.actingIsBot = true;
    EXPECT_EQ(PacingStep::next(in, timings()), (PacingStep{PacingPhase::idle, std::nullopt}));
}

TEST(PacingStepDecision, BlockedWinsOverPendingBoardCards) {
    PacingInput in = table();
    in.blocked = true;
    in.boardLength = 5;
    in.isHandInProgress = true;
    in.actingIsBot = true;
    EXPECT_EQ(PacingStep::next(in, timings()), (PacingStep{PacingPhase::blocked, std::nullopt}));
}

TEST(PacingStepDecision, BoardCardsAreRevealedOneByOne) {
    PacingInput in = table();
    in.isHandInProgress = true;
    in.actingIsBot = true;
    in.boardLength = 3;
    EXPECT_EQ(PacingStep::next(in, timings()),
              (PacingStep{PacingPhase::revealingBoard, Advance{PacingAction::revealNextCard, 0.2}}));
    for (int shown : {1, 2}) {
        in.revealedBoardCount = shown;
        EXPECT_EQ(PacingStep::next(in, timings()),
                  (PacingStep{PacingPhase::revealingBoard, Advance{PacingAction::revealNextCard, 0.5}}));
    }
    in.boardLength = 4;
    in.revealedBoardCount = 3;
    EXPECT_EQ(PacingStep::next(in, timings()).advance->after, 0.5);
    EXPECT_EQ(PacingStep::next(in, PacingTimings(true, false, 1, 0)).advance->after, 0.0);
}

TEST(PacingStepDecision, BotHumanOrNobodyToAct) {
    PacingInput in = table();
    in.isHandInProgress = true;
    in.boardLength = 5;
    in.revealedBoardCount = 5;
    in.actingIsBot = true;
    in.actingIsHuman = true;  // the bot wins when both flags are set
    EXPECT_EQ(PacingStep::next(in, timings()),
              (PacingStep{PacingPhase::botThinking, Advance{PacingAction::playBotTurn, 0.9}}));
    in.actingIsBot = false;
    EXPECT_EQ(PacingStep::next(in, timings()), (PacingStep{PacingPhase::awaitingHuman, std::nullopt}));
    in.actingIsHuman = false;
    EXPECT_EQ(PacingStep::next(in, timings()), (PacingStep{PacingPhase::idle, std::nullopt}));
}

TEST(PacingStepDecision, HandOverStartsTheNextHandAfterThePause) {
    PacingInput in = table();
    in.boardLength = 5;
    in.revealedBoardCount = 2;  // an all-in run-out is shown before the pause
    EXPECT_EQ(PacingStep::next(in, timings()).phase, PacingPhase::revealingBoard);
    in.revealedBoardCount = 5;
    EXPECT_EQ(PacingStep::next(in, timings()),
              (PacingStep{PacingPhase::handOver, Advance{PacingAction::startNextHand, 2.5}}));
    EXPECT_EQ(PacingStep::next(in, PacingTimings(false, true, multiplier(GameSpeed::normal), 0.3)).advance,
              (Advance{PacingAction::startNextHand, 9.0}));
    in.revealedBoardCount = 7;  // more shown than held: nothing left to reveal
    EXPECT_EQ(PacingStep::next(in, timings()).phase, PacingPhase::handOver);
}

TEST(PacingStepDecision, RawValues) {
    EXPECT_EQ(rawValue(PacingPhase::revealingBoard), "revealing-board");
    EXPECT_EQ(rawValue(PacingPhase::botThinking), "bot-thinking");
    EXPECT_EQ(rawValue(PacingPhase::awaitingHuman), "awaiting-human");
    EXPECT_EQ(rawValue(PacingPhase::handOver), "hand-over");
    EXPECT_EQ(rawValue(PacingPhase::idle), "idle");
    EXPECT_EQ(rawValue(PacingPhase::blocked), "blocked");
    EXPECT_EQ(rawValue(PacingAction::revealNextCard), "reveal-next-card");
    EXPECT_EQ(rawValue(PacingAction::playBotTurn), "play-bot-turn");
    EXPECT_EQ(rawValue(PacingAction::startNextHand), "start-next-hand");
}

}  // namespace
}  // namespace pellox
