// The action bar's buttons, presets and raise amount for given legal actions.
#include <gtest/gtest.h>

#include <numeric>

#include "kit/Fonts.hpp"
#include "kit/TextFit.hpp"
#include "table/ActionBarModel.hpp"

namespace pellox::app {
namespace {

LegalActions facingBet(std::int64_t call, std::int64_t minTo, std::int64_t maxTo) {
    LegalActions l;
    l.canFold = true;
    l.canCall = true;
    l.callAmount = call;
    l.canRaise = true;
    l.minRaiseTo = minTo;
    l.maxRaiseTo = maxTo;
    l.canAllIn = true;
    l.allInAmount = maxTo;
    return l;
}

std::vector<QString> texts(const std::vector<ActionBarButton>& buttons) {
    std::vector<QString> out;
    for (const auto& b : buttons)
        out.push_back(b.text);
    return out;
}

TEST(ActionBarModel, FacingABetOffersFoldCallAndRaise) {
    const ActionBarModel bar(facingBet(40, 80, 1000), 100, 80);
    const auto buttons = bar.buttons();
    EXPECT_EQ(texts(buttons), (std::vector<QString>{"Fold", "Call $40", "Raise $80"}));
    EXPECT_EQ(buttons[0].fill, &Palette::foldBtn);
    EXPECT_EQ(buttons[0].action, (PlayerAction{PlayerActionType::fold, std::nullopt}));
    EXPECT_EQ(buttons[1].fill, &Palette::callBtn);
    EXPECT_EQ(buttons[1].action, (PlayerAction{PlayerActionType::call, 40}));
    EXPECT_EQ(buttons[2].fill, &Palette::raiseBtn);
    EXPECT_EQ(buttons[2].action, (PlayerAction{PlayerActionType::raise, 80}));
    EXPECT_TRUE(bar.showsRaiseSection());
}

TEST(ActionBarModel, CheckWinsOverCallAndABetIsSentAsABet) {
    LegalActions l;
    l.canCheck = true;
    l.canCall = true;
    l.canBet = true;
    l.minRaiseTo = 10;
    l.maxRaiseTo = 500;
    const auto buttons = ActionBarModel(l, 30, 10).buttons();
    EXPECT_EQ(texts(buttons), (std::vector<QString>{"Check", "Raise $10"}));
    EXPECT_EQ(buttons[0].action, (PlayerAction{PlayerActionType::check, std::nullopt}));
    EXPECT_EQ(buttons[1].action, (PlayerAction{PlayerActionType::bet, 10}));
}

TEST(ActionBarModel, WithoutBetOrRaiseThereIsNoThirdButtonEvenWhenAllInIsLegal) {
    LegalActions l;
    l.canFold = true;
    l.canAllIn = true;
    l.allInAmount = 30;
    const ActionBarModel bar(l, 100, 0);
    EXPECT_EQ(texts(bar.buttons()), std::vector<QString>{"Fold"});
    EXPECT_FALSE(bar.showsRaiseSection());
}

TEST(ActionBarModel, ReachingTheMaximumTurnsTheRaiseIntoAnAllInThatIsStillARaise) {
    const auto l = facingBet(40, 80, 1000);
    const auto allIn = ActionBarModel(l, 100, 1000).buttons()[2];
    EXPECT_EQ(allIn.text, "All-in $1000");
    EXPECT_EQ(allIn.fill, &Palette::allInBtn);
    EXPECT_EQ(allIn.action, (PlayerAction{PlayerActionType::raise, 1000}));

    // The slider's right end rounds 1502 down to 1500, which stays a raise.
    const auto odd = facingBet(40, 80, 1502);
    const std::int64_t end = ActionBarModel::raiseToFromSlider(ActionBarModel(odd, 0, 80).sliderMaximum());
    EXPECT_EQ(end, 1500);
    EXPECT_EQ(ActionBarModel(odd, 0, end).buttons()[2].text, "Raise $1500");
}

// The label announces what will happen: the slider's rounded amount brought into the legal range.
TEST(ActionBarModel, TheRaiseLabelShowsTheAmountThatWillBeApplied) {
    const auto l = facingBet(6, 12, 400);
    const std::int64_t leftEnd = ActionBarModel::raiseToFromSlider(ActionBarModel(l, 0, 12).sliderMinimum());
    EXPECT_EQ(leftEnd, 10);
    const ActionBarModel bar(l, 0, leftEnd);
    EXPECT_EQ(bar.buttons()[2].text, "Raise $12");
    EXPECT_EQ(bar.buttons()[2].action.amount, 12);
    EXPECT_EQ(bar.sliderAccessibleValue(), "$12");

    const auto tight = facingBet(10, 23, 23);
    const ActionBarModel past(tight, 0, ActionBarModel::raiseToFromSlider(23.0 + 1));
    EXPECT_EQ(past.buttons()[2].text, "All-in $23");
    EXPECT_EQ(past.buttons()[2].action.amount, 23);
}

TEST(ActionBarModel, PresetsAreClampedAndTheMatchingOnesShowSelected) {
    const auto l = facingBet(20, 40, 300);
    const auto presets = ActionBarModel(l, 35, 40).presets();
    EXPECT_EQ(presets[0].text, "Min");
    EXPECT_EQ(presets[1].text, QStringLiteral("½ Pot"));
    EXPECT_EQ(presets[2].text, "Pot");
    EXPECT_EQ(presets[3].text, "All-in");
    EXPECT_EQ(presets[0].amount, 40);
    EXPECT_EQ(presets[1].amount, 40);  // 17.5 rounds to 20, below the minimum
    EXPECT_EQ(presets[2].amount, 40);
    EXPECT_EQ(presets[3].amount, 300);
    EXPECT_TRUE(presets[0].selected && presets[1].selected && presets[2].selected);
    EXPECT_FALSE(presets[3].selected);
    EXPECT_EQ(presets[1].accessibleName, QStringLiteral("Set raise to ½ Pot, $40"));

    const auto big = ActionBarModel(facingBet(20, 40, 300), 1000, 300).presets();
    EXPECT_EQ(big[1].amount, 300);
    EXPECT_EQ(big[2].amount, 300);
    EXPECT_TRUE(big[3].selected);

    EXPECT_EQ(ActionBarModel(facingBet(20, 40, 3000), 35, 40).presets()[1].amount, 40);
    EXPECT_EQ(ActionBarModel(facingBet(0, 10, 3000), 35, 10).presets()[1].amount, 20);
}

TEST(ActionBarModel, AOneAmountRangeStillGivesTheSliderRoomAndSelectsBothEnds) {
    const ActionBarModel bar(facingBet(10, 20, 20), 50, 20);
    EXPECT_EQ(bar.sliderMinimum(), 20);
    EXPECT_EQ(bar.sliderMaximum(), 21);
    const auto presets = bar.presets();
    EXPECT_TRUE(presets[0].selected);
    EXPECT_TRUE(presets[3].selected);
}

// The side panel is 340 wide at every window size: 16 of the action area and 24 of the bar on each side
// leave 260 for the row of main buttons.
constexpr int narrowestRow = 340 - 2 * 16 - 2 * 24;
constexpr int rowSpacing = 8;

TEST(ActionBarModel, EveryButtonTextFitsTheNarrowestRowUpToSixDigits) {
    const QFont font = fixedFont(17, FontWeight::heavy);
    const std::vector<std::vector<QString>> rows{
        {"Fold", "Call $20", "Raise $40"},
        {"Fold", "Call $500", "All-in $1000"},
        {"Fold", "Call $750", "All-in $1500"},
        {"Fold", "Call $150000", "All-in $150000"},
        {"Fold", "Call $999999", "Raise $999999"},
        {"Fold", "Call $999995", "All-in $999999"},
        {"Check", "All-in $999999"},
        {"Fold", "Call $999999"},
    };
    for (const auto& row : rows) {
        const std::vector<int> widths = ActionBarModel::buttonWidths(row, font, narrowestRow, rowSpacing);
        ASSERT_EQ(widths.size(), row.size());
        const int spacing = rowSpacing * static_cast<int>(row.size() - 1);
        EXPECT_LE(std::accumulate(widths.begin(), widths.end(), spacing), narrowestRow);
        for (std::size_t i = 0; i < row.size(); ++i) {
            const FittedText fitted = fitText(row[i], font, widths[i], 0.7);
            EXPECT_EQ(fitted.text, row[i]) << row[i].toStdString() << " in " << widths[i];
            EXPECT_GE(fitted.scale, 0.7);
        }
    }
}

TEST(ActionBarModel, ButtonsShareTheRowEquallyWhileTheirTextsFit) {
    const QFont font = fixedFont(17, FontWeight::heavy);
    EXPECT_EQ(ActionBarModel::buttonWidths({"Fold", "Check"}, font, 260, 8), (std::vector<int>{126, 126}));
    // A long amount takes what it needs from the short "Fold".
    const auto uneven = ActionBarModel::buttonWidths({"Fold", "Call $20", "All-in $1500"}, font, 260, 8);
    EXPECT_LT(uneven[0], 81);
    EXPECT_GT(uneven[2], 81);
    EXPECT_EQ(fitText("All-in $1500", font, uneven[2], 0.7).scale, 1);
    EXPECT_TRUE(ActionBarModel::buttonWidths({}, font, 260, 8).empty());
}

}  // namespace
}  // namespace pellox::app
