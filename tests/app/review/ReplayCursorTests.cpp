#include <gtest/gtest.h>

#include "TestCards.hpp"
#include "review/ReplayCursor.hpp"
#include "review/ReplayFrameLook.hpp"
#include "review/ReviewTestSupport.hpp"
#include "theme/Palette.hpp"
#include "view/ReplayView.hpp"

namespace pellox::app {
namespace {

using B = TransportButton;
const Palette& palette = Palette::cardRoom();

TEST(ReplaySteps, SkipHandStartAndDealingUnlessNothingElseIsLeft) {
    const auto steps = stepEventIndices(testing::shortHand());
    EXPECT_EQ(steps, (std::vector<std::int64_t>{1, 2, 5, 6, 7, 8}));

    HandRecord onlyDealing;
    onlyDealing.events = {EngineEvent::HandStarted{1, 0}, EngineEvent::HoleCardsDealt{"human"}};
    EXPECT_EQ(stepEventIndices(onlyDealing), (std::vector<std::int64_t>{0, 1}));
    EXPECT_TRUE(stepEventIndices(HandRecord{}).empty());
}

TEST(ReplayCursor, TransportButtonsAtTheEnds) {
    ReplayCursor cursor(6);
    EXPECT_EQ(cursor.stepText(), "Step 1 of 6");
    EXPECT_FALSE(cursor.isEnabled(B::first));
    EXPECT_FALSE(cursor.isEnabled(B::previous));
    EXPECT_TRUE(cursor.isEnabled(B::playPause));
    cursor.press(B::previous);
    EXPECT_EQ(cursor.cursor(), 0);
    cursor.press(B::last);
    EXPECT_EQ(cursor.stepText(), "Step 6 of 6");
    for (B b : {B::playPause, B::next, B::last})
        EXPECT_FALSE(cursor.isEnabled(b));
    cursor.press(B::next);
    EXPECT_EQ(cursor.cursor(), 5);
    cursor.press(B::previous);
    EXPECT_EQ(cursor.cursor(), 4);
    cursor.press(B::first);
    EXPECT_EQ(cursor.cursor(), 0);
}

TEST(ReplayCursor, NextWhilePlayingStopsAndMovesOneStep) {
    ReplayCursor cursor(6);
    cursor.press(B::playPause);
    ASSERT_TRUE(cursor.isPlaying());
    cursor.press(B::next);
    EXPECT_FALSE(cursor.isPlaying());
    EXPECT_EQ(cursor.cursor(), 1);
}

TEST(ReplayCursor, AutoplayRunsToTheLastStepAndStopsThere) {
    ReplayCursor cursor(6);
    cursor.press(B::playPause);
    int steps = 0;
    while (cursor.autoplayShouldWait() && cursor.autoplayAdvance())
        ++steps;
    EXPECT_EQ(steps, 5);
    EXPECT_FALSE(cursor.isPlaying());
    EXPECT_EQ(cursor.stepText(), "Step 6 of 6");
}

TEST(ReplayCursor, PauseDuringTheWaitIsNotOverriddenByALateStep) {
    ReplayCursor cursor(6);
    cursor.press(B::playPause);
    ASSERT_TRUE(cursor.autoplayShouldWait());
    cursor.press(B::playPause);
    EXPECT_FALSE(cursor.autoplayAdvance());
    EXPECT_EQ(cursor.cursor(), 0);
}

TEST(ReplayCursor, SliderToTheEndWhilePlayingNeverPassesTheLastStep) {
    ReplayCursor cursor(6);
    cursor.press(B::playPause);
    ASSERT_TRUE(cursor.autoplayShouldWait());
    cursor.moveSlider(5);
    EXPECT_TRUE(cursor.isPlaying()) << "the slider does not stop autoplay";
    EXPECT_FALSE(cursor.autoplayAdvance());
    EXPECT_EQ(cursor.stepText(), "Step 6 of 6");
    EXPECT_FALSE(cursor.isPlaying());
}

TEST(ReplayCursor, SliderRoundsAndStaysWithinTheSteps) {
    ReplayCursor cursor(6);
    EXPECT_EQ(cursor.sliderMaximum(), 5);
    cursor.moveSlider(2.5);
    EXPECT_EQ(cursor.cursor(), 3);
    cursor.moveSlider(2.49);
    EXPECT_EQ(cursor.cursor(), 2);
    cursor.moveSlider(99);
    EXPECT_EQ(cursor.cursor(), 5);
    cursor.moveSlider(-3);
    EXPECT_EQ(cursor.cursor(), 0);

    ReplayCursor single(1);
    EXPECT_EQ(single.sliderMaximum(), 1) << "the slider still spans 0 to 1";
    single.moveSlider(1);
    EXPECT_EQ(single.stepText(), "Step 1 of 1");
    EXPECT_FALSE(single.isEnabled(B::previous));
}

TEST(ReplayCursor, NoStepsAtAll) {
    ReplayCursor cursor(0, 3);
    EXPECT_EQ(cursor.cursor(), 0);
    EXPECT_EQ(cursor.lastStepIndex(), 0);
    EXPECT_EQ(cursor.stepText(), "Step 1 of 1");
    for (B b : {B::first, B::previous, B::playPause, B::next, B::last})
        EXPECT_FALSE(cursor.isEnabled(b));
}

TEST(ReplayTransport, SymbolsAndLabels) {
    EXPECT_EQ(transportSymbolName(B::first, false), "backward.end.fill");
    EXPECT_EQ(transportSymbolName(B::previous, false), "chevron.left");
    EXPECT_EQ(transportSymbolName(B::playPause, false), "play.fill");
    EXPECT_EQ(transportSymbolName(B::playPause, true), "pause.fill");
    EXPECT_EQ(transportSymbolName(B::next, false), "chevron.right");
    EXPECT_EQ(transportSymbolName(B::last, false), "forward.end.fill");
    EXPECT_EQ(transportLabel(B::first, false), "First step");
    EXPECT_EQ(transportLabel(B::previous, false), "Previous step");
    EXPECT_EQ(transportLabel(B::playPause, false), "Play");
    EXPECT_EQ(transportLabel(B::playPause, true), "Pause");
    EXPECT_EQ(transportLabel(B::next, false), "Next step");
    EXPECT_EQ(transportLabel(B::last, false), "Last step");
}

TEST(ReplayFrameLook, SeatRows) {
    ReplaySeatView human{"human", "You", 480, false, test::cards("Th Ks"), false};
    const auto you = SeatRowLook::make(human, palette);
    EXPECT_TRUE(you.bold);
    EXPECT_EQ(you.background, palette.accentSoft);
    EXPECT_EQ(you.nameColor, palette.text);
    ASSERT_TRUE(you.cards);
    EXPECT_EQ((*you.cards)[0], (ColoredText{QStringLiteral("10\u2665"), palette.danger}));
    EXPECT_EQ((*you.cards)[1], (ColoredText{QStringLiteral("K\u2660"), palette.text}));
    EXPECT_EQ(you.stackText, "$480");
    EXPECT_DOUBLE_EQ(you.contentOpacity, 1.0);

    ReplaySeatView bot{"bot-1", "Ruth", 0, true, std::nullopt, true};
    const auto ruth = SeatRowLook::make(bot, palette);
    EXPECT_FALSE(ruth.bold);
    EXPECT_TRUE(ruth.dealer);
    EXPECT_FALSE(ruth.cards.has_value());
    EXPECT_EQ(ruth.nameColor, palette.textMuted);
    EXPECT_DOUBLE_EQ(ruth.contentOpacity, 0.5);
    EXPECT_EQ(ruth.background, palette.panel) << "the background is not dimmed";
    EXPECT_TRUE(ruth.accessibleText().contains("Cards not shown"));
    EXPECT_FALSE(you.accessibleText().contains("Cards not shown"));
}

TEST(ReplayFrameLook, GuideCallout) {
    const auto missed = GuideCalloutLook::make(testing::grade(false, PlayerActionType::raise), palette);
    EXPECT_EQ(missed.title, "Guide said raise");
    EXPECT_EQ(missed.color, palette.danger);
    EXPECT_EQ(missed.explanation, "The price is too high for this draw.");
    EXPECT_EQ(GuideCalloutLook::make(testing::grade(false, PlayerActionType::allIn), palette).title,
              "Guide said all-in");
    const auto matched = GuideCalloutLook::make(testing::grade(true), palette);
    EXPECT_EQ(matched.title, "Matched the guide");
    EXPECT_EQ(matched.color, palette.success);
}

}  // namespace
}  // namespace pellox::app
