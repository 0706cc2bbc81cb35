#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "strategy/ActionClass.hpp"
#include "strategy/GradeInput.hpp"
#include "strategy/GradedDecision.hpp"

namespace pellox {
namespace {

using T = PlayerActionType;

GradeInput input(T resolved, T advised, std::optional<std::int64_t> raiseTo = std::nullopt,
                 std::optional<std::int64_t> advisedAmount = std::nullopt) {
    GradeInput in;
    in.handNumber = 7;
    in.street = Street::turn;
    in.playerAction = PlayerAction{resolved, raiseTo};
    in.resolvedType = resolved;
    in.playerRaiseTo = raiseTo;
    in.advice.recommendedAction = advised;
    in.advice.recommendedAmount = advisedAmount;
    in.potSize = 120;
    in.toCall = 40;
    return in;
}

bool agreed(const GradeInput& in) {
    return GradedDecision::grade(in).agreed;
}

TEST(DecisionGradingTests, ActionClasses) {
    EXPECT_EQ(actionClass(T::fold), ActionClass::fold);
    EXPECT_EQ(actionClass(T::check), ActionClass::passive);
    EXPECT_EQ(actionClass(T::call), ActionClass::passive);
    EXPECT_EQ(actionClass(T::bet), ActionClass::aggressive);
    EXPECT_EQ(actionClass(T::raise), ActionClass::aggressive);
    EXPECT_EQ(actionClass(T::allIn), ActionClass::aggressive);
    EXPECT_EQ(rawValue(ActionClass::aggressive), "aggressive");
    EXPECT_EQ(parse<ActionClass>("passive"), ActionClass::passive);
}

TEST(DecisionGradingTests, SameClassAgrees) {
    EXPECT_TRUE(agreed(input(T::check, T::call)));
    EXPECT_TRUE(agreed(input(T::call, T::check)));
    EXPECT_TRUE(agreed(input(T::fold, T::fold)));
    EXPECT_FALSE(agreed(input(T::check, T::fold)));  // fold and passive differ
    EXPECT_FALSE(agreed(input(T::fold, T::check)));
    EXPECT_FALSE(agreed(input(T::call, T::raise, std::nullopt, 100)));
    EXPECT_FALSE(agreed(input(T::raise, T::call, 100)));
    EXPECT_TRUE(agreed(input(T::bet, T::raise, 100, 100)));  // a bet agrees with advice to raise
}

TEST(DecisionGradingTests, AmountRatioBand) {
    EXPECT_TRUE(agreed(input(T::raise, T::raise, 50, 100)));   // 0.5
    EXPECT_TRUE(agreed(input(T::raise, T::raise, 200, 100)));  // 2.0
    EXPECT_FALSE(agreed(input(T::raise, T::raise, 45, 100)));
    EXPECT_FALSE(agreed(input(T::raise, T::raise, 205, 100)));
    EXPECT_FALSE(agreed(input(T::raise, T::raise, 50, 0)));  // infinite ratio
    EXPECT_FALSE(agreed(input(T::raise, T::raise, 0, 0)));
    // Without an amount on either side any aggressive action agrees.
    EXPECT_TRUE(agreed(input(T::raise, T::bet, 5000)));
    EXPECT_TRUE(agreed(input(T::allIn, T::raise, std::nullopt, 100)));
}

TEST(DecisionGradingTests, AllInThatOnlyCallsGradesAsACall) {
    GradeInput in = input(T::call, T::call);
    in.playerAction = PlayerAction{T::allIn, std::nullopt};
    const GradedDecision d = GradedDecision::grade(in);
    EXPECT_TRUE(d.agreed);
    EXPECT_EQ(d.playerAction.type, T::allIn);
    EXPECT_EQ(d.resolvedType, T::call);
}

TEST(DecisionGradingTests, CopiesTheAdviceAndTheSpot) {
    GradeInput in = input(T::raise, T::raise, 90, 100);
    in.advice.equity = 0.7;
    in.advice.requiredEquity = 0.25;
    in.advice.explanation = "why";
    const GradedDecision d = GradedDecision::grade(in);
    EXPECT_EQ(d.handNumber, 7);
    EXPECT_EQ(d.street, Street::turn);
    EXPECT_EQ(d.playerAction, (PlayerAction{T::raise, 90}));
    EXPECT_EQ(d.advisedAction, T::raise);
    EXPECT_EQ(d.advisedAmount, 100);
    EXPECT_EQ(d.equity, 0.7);
    EXPECT_EQ(d.requiredEquity, 0.25);
    EXPECT_EQ(d.potSize, 120);
    EXPECT_EQ(d.toCall, 40);
    EXPECT_EQ(d.explanation, "why");
    EXPECT_TRUE(d.agreed);

    // Absent advice values leave their keys out of the stored form.
    const Json j = GradedDecision::grade(input(T::check, T::check));
    EXPECT_FALSE(j.contains("advisedAmount"));
    EXPECT_FALSE(j.contains("equity"));
    EXPECT_FALSE(j.contains("requiredEquity"));
    EXPECT_EQ(j.at("agreed"), true);
}

}  // namespace
}  // namespace pellox
