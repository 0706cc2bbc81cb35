#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "review/RangeChartScreen.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/PreflopTier.hpp"
#include "strategy/RangeAction.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using Screen = RangeChartScreen;

TEST(RangeChartModel, HandLabelsRunFromAcesToDeuces) {
    EXPECT_EQ(Screen::handLabel(0, 0), "AA");
    EXPECT_EQ(Screen::handLabel(12, 12), "22");
    EXPECT_EQ(Screen::handLabel(0, 1), "AKs");
    EXPECT_EQ(Screen::handLabel(1, 0), "AKo");
    EXPECT_EQ(Screen::handLabel(0, 12), "A2s");
    EXPECT_EQ(Screen::handLabel(12, 0), "A2o");
    EXPECT_EQ(Screen::handLabel(4, 5), "T9s");
    EXPECT_EQ(Screen::handLabel(12, 7), "72o");
    // The grid holds each of the engine's 169 classes exactly once.
    std::set<std::string> labels;
    for (int row = 0; row < 13; ++row)
        for (int col = 0; col < 13; ++col)
            labels.insert(Screen::handLabel(row, col).toStdString());
    const auto& classes = allHandClasses();
    EXPECT_EQ(labels, std::set<std::string>(classes.begin(), classes.end()));
}

// The shares worked out from the engine's class list rather than the grid.
Screen::ActionPercentages sharesOfCombinations(PositionBucket bucket, PreflopContext context) {
    int totals[3] = {0, 0, 0};
    for (const auto& label : allHandClasses()) {
        const int weight = label.size() == 2 ? 6 : label[2] == 's' ? 4 : 12;
        totals[static_cast<int>(PreflopChart::action(label, context, bucket))] += weight;
    }
    EXPECT_EQ(totals[0] + totals[1] + totals[2], 1326);
    auto share = [](int part) { return static_cast<int>(std::lround(100.0 * part / 1326)); };
    return {share(totals[0]), share(totals[1]), share(totals[2])};
}

TEST(RangeChartModel, LegendSharesWeighCombinations) {
    for (auto context : allCases<PreflopContext>())
        for (auto bucket : allCases<PositionBucket>())
            EXPECT_EQ(Screen::actionPercentages(bucket, context), sharesOfCombinations(bucket, context))
                << rawValue(context) << " " << rawValue(bucket);
    // First in from the big blind: 99+ (36), AJs+ (12), KQs (4), AQo+ (24) make 76 of 1326 combinations.
    EXPECT_EQ(Screen::actionPercentages(PositionBucket::bb, PreflopContext::open),
              (Screen::ActionPercentages{6, 0, 94}));
    // Facing a 3-bet from early: KK+ AKs raise (16), QQ JJ AQs AKo call (28).
    EXPECT_EQ(Screen::actionPercentages(PositionBucket::early, PreflopContext::facing3Bet),
              (Screen::ActionPercentages{1, 2, 97}));
}

TEST(RangeChartModel, SharesAreRoundedOneByOne) {
    // Some chart's three rounded shares miss 100; none is off by more than one.
    bool missesHundred = false;
    for (auto context : allCases<PreflopContext>())
        for (auto bucket : allCases<PositionBucket>()) {
            const auto p = Screen::actionPercentages(bucket, context);
            const int sum = p.raise + p.call + p.fold;
            EXPECT_LE(std::abs(sum - 100), 1);
            missesHundred = missesHundred || sum != 100;
        }
    EXPECT_TRUE(missesHundred);
}

TEST(RangeChartModel, RankValues) {
    EXPECT_EQ(Screen::rankValue(u"A"), 14);
    EXPECT_EQ(Screen::rankValue(u"K"), 13);
    EXPECT_EQ(Screen::rankValue(u"Q"), 12);
    EXPECT_EQ(Screen::rankValue(u"J"), 11);
    EXPECT_EQ(Screen::rankValue(u"T"), 10);
    EXPECT_EQ(Screen::rankValue(u"9"), 9);
    EXPECT_EQ(Screen::rankValue(u"2"), 2);
    EXPECT_EQ(Screen::rankValue(u"14"), 14);
    EXPECT_FALSE(Screen::rankValue(u"1"));
    EXPECT_FALSE(Screen::rankValue(u"15"));
    EXPECT_FALSE(Screen::rankValue(u"a"));
    EXPECT_FALSE(Screen::rankValue(u"x"));
    EXPECT_FALSE(Screen::rankValue(u""));
    EXPECT_FALSE(Screen::rankValue(u" 5"));
    EXPECT_FALSE(Screen::rankValue(u"99999999999999999999999"));
}

TEST(RangeChartModel, ChenTiersOfClasses) {
    EXPECT_EQ(Screen::chenTier(u"AA"), PreflopTier::premium);   // 20, ace of spades with ace of hearts
    EXPECT_EQ(Screen::chenTier(u"AKs"), PreflopTier::premium);  // 12: two spades
    EXPECT_EQ(Screen::chenTier(u"AKo"), PreflopTier::strong);   // 10: a spade and a heart
    EXPECT_EQ(Screen::chenTier(u"T9s"), PreflopTier::playable);
    EXPECT_EQ(Screen::chenTier(u"55"), PreflopTier::marginal);
    EXPECT_EQ(Screen::chenTier(u"72o"), PreflopTier::fold);
    EXPECT_EQ(Screen::chenTier(u"JJ"), PreflopTier::premium);  // exactly 12
    EXPECT_EQ(Screen::chenTier(u"TT"), PreflopTier::strong);
    EXPECT_FALSE(Screen::chenTier(u"A"));
    EXPECT_FALSE(Screen::chenTier(u"XYs"));
    EXPECT_FALSE(Screen::chenTier(u"1Ks"));
    EXPECT_EQ(displayName(*Screen::chenTier(u"72o")), "Weak");
}

TEST(RangeChartModel, ColoursAndWordsOfActions) {
    const Palette& p = Palette::oxblood();
    EXPECT_EQ(Screen::actionColor(RangeAction::raise, p), p.raiseBtn);
    EXPECT_EQ(Screen::actionColor(RangeAction::call, p), p.callBtn);
    EXPECT_EQ(Screen::actionColor(RangeAction::fold, p), p.seatEmpty);
    EXPECT_EQ(Screen::actionWord(RangeAction::raise), "raise");
    EXPECT_EQ(Screen::chartAction("A5s", PositionBucket::late, PreflopContext::facingOpen),
              RangeAction::raise);
    EXPECT_EQ(Screen::chartAction("A5s", PositionBucket::early, PreflopContext::open), RangeAction::fold);
    EXPECT_EQ(Screen::chartAction("ZZ", PositionBucket::late, PreflopContext::open), RangeAction::fold);
}

}  // namespace
}  // namespace pellox::app
