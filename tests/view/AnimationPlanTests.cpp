#include <gtest/gtest.h>

#include "view/AnimationTimings.hpp"
#include "view/ChipFlight.hpp"
#include "view/DealStep.hpp"

namespace pellox {
namespace {

TEST(DealStepOrder, StartsAfterTheDealerAndWraps) {
    const auto plan = DealStep::dealingOrder({4, 0, 2, 5}, 2);
    const std::vector<DealStep> expected{{4, 0, 0}, {5, 0, 1}, {0, 0, 2}, {2, 0, 3},
                                         {4, 1, 4}, {5, 1, 5}, {0, 1, 6}, {2, 1, 7}};
    EXPECT_EQ(plan, expected);
}

TEST(DealStepOrder, EdgeCases) {
    EXPECT_TRUE(DealStep::dealingOrder({}, 3).empty());
    EXPECT_EQ(DealStep::dealingOrder({3}, 3), (std::vector<DealStep>{{3, 0, 0}, {3, 1, 1}}));
    // Dealer above every seat: start at the lowest.
    EXPECT_EQ(DealStep::dealingOrder({1, 0}, 5),
              (std::vector<DealStep>{{0, 0, 0}, {1, 0, 1}, {0, 1, 2}, {1, 1, 3}}));
    // Dealer sat out: start at the first listed seat after it.
    EXPECT_EQ(DealStep::dealingOrder({0, 1, 3, 4}, 2).front().seatIndex, 3);
    // Six seats, dealer 5 receives the sixth and twelfth card.
    const auto six = DealStep::dealingOrder({0, 1, 2, 3, 4, 5}, 5);
    ASSERT_EQ(six.size(), 12u);
    EXPECT_EQ(six[5].seatIndex, 5);
    EXPECT_EQ(six[11].seatIndex, 5);
    EXPECT_EQ(six[0].seatIndex, 0);
}

TEST(AnimationTimingsTests, TimesScaleWithSpeed) {
    const AnimationTimings normal(false, 1.0);
    EXPECT_DOUBLE_EQ(normal.cardFlight, 0.32);
    EXPECT_DOUBLE_EQ(normal.cardStagger, 0.07);
    EXPECT_DOUBLE_EQ(normal.chipFlight, 0.4);
    EXPECT_DOUBLE_EQ(normal.cardFlip, 0.35);
    const AnimationTimings relaxed(false, 1.5);
    EXPECT_DOUBLE_EQ(relaxed.cardFlight, 0.48);
    EXPECT_DOUBLE_EQ(relaxed.cardStagger, 0.105);
    EXPECT_DOUBLE_EQ(relaxed.chipFlight, 0.6);
    EXPECT_DOUBLE_EQ(relaxed.cardFlip, 0.525);
    const AnimationTimings fast(false, 0.55);
    EXPECT_DOUBLE_EQ(fast.cardFlight, 0.176);
    EXPECT_DOUBLE_EQ(fast.chipFlight, 0.22);
    for (double speed : {1.5, 1.0, 0.55})
        EXPECT_EQ(AnimationTimings(true, speed), AnimationTimings());
}

TEST(AnimationTimingsTests, DealDuration) {
    const AnimationTimings normal(false, 1.0);
    EXPECT_DOUBLE_EQ(normal.dealDuration(12), 1.09);
    EXPECT_DOUBLE_EQ(normal.dealDuration(1), 0.32);
    EXPECT_EQ(normal.dealDuration(0), 0.0);
    EXPECT_EQ(normal.dealDuration(-4), 0.0);
    EXPECT_EQ(AnimationTimings(true, 1.0).dealDuration(12), 0.0);
}

using E = EngineEvent;

TEST(ChipFlightFromEvent, ChipsInAndOut) {
    EXPECT_EQ(ChipFlight::make(E::BlindPosted{"bot-1", BlindKind::small, 5}, 1),
              (ChipFlight{"blind-1", "bot-1", 5, ChipFlightKind::toPot}));
    EXPECT_EQ(ChipFlight::make(E::BlindPosted{"human", BlindKind::ante, 25}, 0),
              (ChipFlight{"blind-0", "human", 25, ChipFlightKind::toPot}));
    const E::ActionTaken raise{"human", PlayerAction{PlayerActionType::raise, 60}, PlayerActionType::raise,
                               50};
    EXPECT_EQ(ChipFlight::make(raise, 7), (ChipFlight{"action-7", "human", 50, ChipFlightKind::toPot}));
    const E::ActionTaken allIn{"bot-2", PlayerAction{PlayerActionType::call, {}}, PlayerActionType::allIn,
                               135};
    EXPECT_EQ(ChipFlight::make(allIn, 12), (ChipFlight{"action-12", "bot-2", 135, ChipFlightKind::toPot}));
    EXPECT_EQ(ChipFlight::make(E::PotAwarded{"bot-3", 400, 0}, 14),
              (ChipFlight{"award-14", "bot-3", 400, ChipFlightKind::toWinner}));
    EXPECT_EQ(ChipFlight::make(E::PotAwarded{"bot-3", 90, 1}, 15)->id, "award-15");
}

TEST(ChipFlightFromEvent, NothingMovesNoFlight) {
    EXPECT_EQ(ChipFlight::make(E::BlindPosted{"bot-1", BlindKind::big, 0}, 2), std::nullopt);
    EXPECT_EQ(ChipFlight::make(
                  E::ActionTaken{"bot-1", {PlayerActionType::check, {}}, PlayerActionType::check, 0}, 3),
              std::nullopt);
    EXPECT_EQ(
        ChipFlight::make(E::ActionTaken{"bot-1", {PlayerActionType::fold, {}}, PlayerActionType::fold, 0}, 3),
        std::nullopt);
    EXPECT_EQ(ChipFlight::make(E::PotAwarded{"bot-1", 0, 0}, 9), std::nullopt);
    EXPECT_EQ(ChipFlight::make(E::PotAwarded{"bot-1", -5, 0}, 9), std::nullopt);
    const std::vector<EngineEvent> silent{
        E::HandStarted{1, 0}, E::HoleCardsDealt{"human"}, E::StreetDealt{Street::flop, {}},
        E::ShowdownRevealed{"human", {}, "Pair"}, E::PlayerEliminated{"bot-1"}};
    for (const auto& e : silent)
        EXPECT_EQ(ChipFlight::make(e, 4), std::nullopt);
    EXPECT_EQ(rawValue(ChipFlightKind::toPot), "toPot");
    EXPECT_EQ(rawValue(ChipFlightKind::toWinner), "toWinner");
    EXPECT_EQ(parse<ChipFlightKind>("towinner"), std::nullopt);
}

}  // namespace
}  // namespace pellox
