#include "rules/Json.hpp"
#include "session/PreAction.hpp"

#include <gtest/gtest.h>

namespace pellox {
namespace {

LegalActions facingBet(std::int64_t call, bool canFold = true, bool canCall = true) {
    LegalActions legal;
    legal.canFold = canFold;
    legal.canCall = canCall;
    legal.callAmount = call;
    legal.canAllIn = true;
    return legal;
}

LegalActions freeCheck() {
    LegalActions legal;
    legal.canCheck = true;
    legal.canBet = true;
    return legal;
}

const PlayerAction check{PlayerActionType::check, std::nullopt};

TEST(PreActionResolve, EveryChoiceChecksWhenCheckingIsFree) {
    for (PreAction p : allCases<PreAction>())
        EXPECT_EQ(resolve(p, freeCheck()), check);
    LegalActions both = freeCheck();
    both.canFold = true;
    EXPECT_EQ(resolve(PreAction::checkFold, both), check);
}

TEST(PreActionResolve, FacingABet) {
    EXPECT_EQ(resolve(PreAction::check, facingBet(40)), std::nullopt);
    EXPECT_EQ(resolve(PreAction::checkFold, facingBet(40)),
              (PlayerAction{PlayerActionType::fold, std::nullopt}));
    EXPECT_EQ(resolve(PreAction::checkFold, facingBet(40, false)), std::nullopt);
    EXPECT_EQ(resolve(PreAction::callAny, facingBet(40)), (PlayerAction{PlayerActionType::call, 40}));
    // Only all-in continues: call-any gives up.
    EXPECT_EQ(resolve(PreAction::callAny, facingBet(0, true, false)), std::nullopt);
    EXPECT_EQ(resolve(PreAction::callAny, LegalActions::none), std::nullopt);
    EXPECT_EQ(resolve(PreAction::checkFold, LegalActions::none), std::nullopt);
}

TEST(PreActionTexts, LabelsRawValuesAndOrder) {
    EXPECT_EQ(allCases<PreAction>(),
              (std::array{PreAction::check, PreAction::checkFold, PreAction::callAny}));
    EXPECT_EQ(label(PreAction::check), "Check");
    EXPECT_EQ(label(PreAction::checkFold), "Check / Fold");
    EXPECT_EQ(label(PreAction::callAny), "Call Any");
    EXPECT_EQ(rawValue(PreAction::checkFold), "check-fold");
    EXPECT_EQ(rawValue(PreAction::callAny), "call-any");
    EXPECT_EQ(parse<PreAction>("check-fold"), PreAction::checkFold);
    EXPECT_EQ(parse<PreAction>("Check / Fold"), std::nullopt);
    EXPECT_EQ(Json(PreAction::callAny), Json("call-any"));
    EXPECT_EQ(Json("check").get<PreAction>(), PreAction::check);
    EXPECT_THROW((void)Json("Check").get<PreAction>(), Json::exception);
    EXPECT_THROW((void)Json(1).get<PreAction>(), Json::exception);
}

}  // namespace
}  // namespace pellox
