#include <gtest/gtest.h>

#include "table/HandReportCardModel.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {
namespace {

GradedDecision decision(Street street, PlayerActionType did, PlayerActionType advised, bool agreed) {
    GradedDecision d;
    d.street = street;
    d.resolvedType = did;
    d.advisedAction = advised;
    d.agreed = agreed;
    d.explanation = "Because.";
    return d;
}

HandReport report(std::vector<GradedDecision> decisions, std::int64_t net) {
    return HandReport(std::move(decisions), net, {Winner{"human", 100, "a Pair of Aces"}},
                      [](std::string_view id) { return std::string(id); });
}

TEST(HandReportCardModel, NetResultTextColourReadingAndBorder) {
    auto m = HandReportCardModel::make(report({}, 120), true, false);
    EXPECT_EQ(m.netText, "+$120");
    EXPECT_EQ(m.netColor, PaletteRole::success);
    EXPECT_EQ(m.netAccessibility, "Won 120 chips");
    EXPECT_EQ(m.borderColor, PaletteRole::success);
    EXPECT_DOUBLE_EQ(m.borderOpacity, 0.6);
    m = HandReportCardModel::make(report({}, 0), true, false);
    EXPECT_EQ(m.netText, "$0");
    EXPECT_EQ(m.netColor, PaletteRole::textMuted);
    EXPECT_EQ(m.netAccessibility, "Won 0 chips");
    EXPECT_EQ(m.borderColor, PaletteRole::border);
    m = HandReportCardModel::make(report({}, -45), true, false);
    EXPECT_EQ(m.netText, "-$45");
    EXPECT_EQ(m.netColor, PaletteRole::danger);
    EXPECT_EQ(m.netAccessibility, "Lost 45 chips");
    EXPECT_EQ(m.borderColor, PaletteRole::border);
    EXPECT_DOUBLE_EQ(m.borderOpacity, 1);
    EXPECT_EQ(m.resultLine, "You won with a Pair of Aces");
}

TEST(HandReportCardModel, UngradedHandDependsOnTheGuide) {
    auto m = HandReportCardModel::make(report({}, 0), true, false);
    EXPECT_FALSE(m.gradeRow);
    EXPECT_EQ(m.ungradedText, "No decisions to grade this hand");
    m = HandReportCardModel::make(report({}, 0), false, false);
    EXPECT_FALSE(m.gradeRow);
    EXPECT_FALSE(m.ungradedText);
    EXPECT_FALSE(m.misstep);
    EXPECT_FALSE(m.continueHint);
}

TEST(HandReportCardModel, GradeRowSingularPluralAndVerdictTint) {
    auto m = HandReportCardModel::make(
        report({decision(Street::flop, PlayerActionType::check, PlayerActionType::check, true)}, 10), true,
        false);
    EXPECT_EQ(m.gradeRow, (HandGradeRow{"A+", PaletteRole::success, "1 of 1 decision matched the guide"}));
    m = HandReportCardModel::make(
        report({decision(Street::flop, PlayerActionType::check, PlayerActionType::bet, false)}, 10), false,
        false);
    EXPECT_EQ(m.gradeRow, (HandGradeRow{"F", PaletteRole::danger, "0 of 1 decision matched the guide"}));
    m = HandReportCardModel::make(
        report({decision(Street::preflop, PlayerActionType::call, PlayerActionType::call, true),
                decision(Street::turn, PlayerActionType::call, PlayerActionType::raise, false),
                decision(Street::river, PlayerActionType::fold, PlayerActionType::call, false)},
               -45),
        true, false);
    EXPECT_EQ(m.gradeRow, (HandGradeRow{"F", PaletteRole::accent, "1 of 3 decisions matched the guide"}));
    ASSERT_TRUE(m.misstep);
    EXPECT_EQ(m.misstep->sentence, "Turn: you called, guide said raise");
    EXPECT_EQ(m.misstep->explanation, "Because.");
    EXPECT_EQ(verdictTint(HandVerdict::ungraded), PaletteRole::textMuted);
}

TEST(HandReportCardModel, MisstepWordsAndHint) {
    auto m = HandReportCardModel::make(
        report({decision(Street::showdown, PlayerActionType::allIn, PlayerActionType::allIn, false)}, 0),
        false, true);
    EXPECT_EQ(m.misstep->sentence, "Showdown: you went all in, guide said shove");
    EXPECT_EQ(m.continueHint, "Click anywhere for the next hand");
    const std::pair<PlayerActionType, std::pair<const char*, const char*>> words[] = {
        {PlayerActionType::fold, {"folded", "fold"}},
        {PlayerActionType::check, {"checked", "check"}},
        {PlayerActionType::call, {"called", "call"}},
        {PlayerActionType::bet, {"bet", "bet"}},
        {PlayerActionType::raise, {"raised", "raise"}}};
    for (const auto& [type, pair] : words) {
        EXPECT_EQ(didWord(type), pair.first);
        EXPECT_EQ(guideWord(type), pair.second);
    }
    EXPECT_EQ(streetWord(Street::preflop), "Preflop");
    EXPECT_EQ(streetWord(Street::river), "River");
}

}  // namespace
}  // namespace pellox::app
