#include <gtest/gtest.h>

#include <cmath>

#include "review/RangeChartModel.hpp"
#include "strategy/HandClass.hpp"
#include "strategy/PositionBucket.hpp"
#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopContext.hpp"
#include "strategy/PreflopTier.hpp"
#include "strategy/RangeAction.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

namespace Model = RangeChartModel;

TEST(RangeChartModel, HandLabelsAreTheEnginesClasses) {
    EXPECT_EQ(Model::handLabel(0, 0), "AA");
    EXPECT_EQ(Model::handLabel(0, 1), "AKs");
    EXPECT_EQ(Model::handLabel(12, 7), "72o");
    for (int i = 0; i < RangeGridView::cellCount; ++i)
        EXPECT_EQ(RangeGridView::label(i).toStdString(),
                  handClassAt(static_cast<std::size_t>(i / 13), static_cast<std::size_t>(i % 13)));
}

// The shares worked out from the engine's class list rather than the grid.
Model::ActionPercentages sharesOfCombinations(PositionBucket bucket, PreflopContext context) {
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
            EXPECT_EQ(Model::actionPercentages(bucket, context), sharesOfCombinations(bucket, context))
                << rawValue(context) << " " << rawValue(bucket);
    // First in from the big blind: 99+ (36), AJs+ (12), KQs (4), AQo+ (24) make 76 of 1326 combinations.
    EXPECT_EQ(Model::actionPercentages(PositionBucket::bb, PreflopContext::open),
              (Model::ActionPercentages{6, 0, 94}));
    // Facing a 3-bet from early: KK+ AKs raise (16), QQ JJ AQs AKo call (28).
    EXPECT_EQ(Model::actionPercentages(PositionBucket::early, PreflopContext::facing3Bet),
              (Model::ActionPercentages{1, 2, 97}));
}

TEST(RangeChartModel, SharesAreRoundedOneByOne) {
    // Some chart's three rounded shares miss 100; none is off by more than one.
    bool missesHundred = false;
    for (auto context : allCases<PreflopContext>())
        for (auto bucket : allCases<PositionBucket>()) {
            const auto p = Model::actionPercentages(bucket, context);
            const int sum = p.raise + p.call + p.fold;
            EXPECT_LE(std::abs(sum - 100), 1);
            missesHundred = missesHundred || sum != 100;
        }
    EXPECT_TRUE(missesHundred);
}

TEST(RangeChartModel, RankValues) {
    EXPECT_EQ(Model::rankValue(u"A"), 14);
    EXPECT_EQ(Model::rankValue(u"K"), 13);
    EXPECT_EQ(Model::rankValue(u"Q"), 12);
    EXPECT_EQ(Model::rankValue(u"J"), 11);
    EXPECT_EQ(Model::rankValue(u"T"), 10);
    EXPECT_EQ(Model::rankValue(u"9"), 9);
    EXPECT_EQ(Model::rankValue(u"2"), 2);
    EXPECT_EQ(Model::rankValue(u"14"), 14);
    EXPECT_FALSE(Model::rankValue(u"1"));
    EXPECT_FALSE(Model::rankValue(u"15"));
    EXPECT_FALSE(Model::rankValue(u"a"));
    EXPECT_FALSE(Model::rankValue(u"x"));
    EXPECT_FALSE(Model::rankValue(u""));
    EXPECT_FALSE(Model::rankValue(u" 5"));
    EXPECT_FALSE(Model::rankValue(u"99999999999999999999999"));
}

TEST(RangeChartModel, ChenTiersOfClasses) {
    EXPECT_EQ(Model::chenTier(u"AA"), PreflopTier::premium);   // 20, ace of spades with ace of hearts
    EXPECT_EQ(Model::chenTier(u"AKs"), PreflopTier::premium);  // 12: two spades
    EXPECT_EQ(Model::chenTier(u"AKo"), PreflopTier::strong);   // 10: a spade and a heart
    EXPECT_EQ(Model::chenTier(u"T9s"), PreflopTier::playable);
    EXPECT_EQ(Model::chenTier(u"55"), PreflopTier::marginal);
    EXPECT_EQ(Model::chenTier(u"72o"), PreflopTier::fold);
    EXPECT_EQ(Model::chenTier(u"JJ"), PreflopTier::premium);  // exactly 12
    EXPECT_EQ(Model::chenTier(u"TT"), PreflopTier::strong);
    EXPECT_FALSE(Model::chenTier(u"A"));
    EXPECT_FALSE(Model::chenTier(u"XYs"));
    EXPECT_FALSE(Model::chenTier(u"1Ks"));
    EXPECT_EQ(displayName(*Model::chenTier(u"72o")), "Weak");
}

TEST(RangeChartModel, ColoursAndWordsOfActions) {
    const Palette& p = Palette::oxblood();
    EXPECT_EQ(Model::actionColor(RangeAction::raise, p), p.raiseBtn);
    EXPECT_EQ(Model::actionColor(RangeAction::call, p), p.callBtn);
    EXPECT_EQ(Model::actionColor(RangeAction::fold, p), p.seatEmpty);
    EXPECT_EQ(Model::actionWord(RangeAction::raise), "raise");
    EXPECT_EQ(Model::chartAction("A5s", PositionBucket::late, PreflopContext::facingOpen),
              RangeAction::raise);
    EXPECT_EQ(Model::chartAction("A5s", PositionBucket::early, PreflopContext::open), RangeAction::fold);
    EXPECT_EQ(Model::chartAction("ZZ", PositionBucket::late, PreflopContext::open), RangeAction::fold);
}

TEST(RangeChartModel, LegendAndDetailOfTheChosenPair) {
    const Palette& p = Palette::midnight();
    const auto items = Model::legendItems({18, 3, 80}, p);
    EXPECT_EQ(items[0], (RangeLegendView::Item{p.raiseBtn, "Raise 18%"}));
    EXPECT_EQ(items[1], (RangeLegendView::Item{p.callBtn, "Call 3%"}));
    EXPECT_EQ(items[2], (RangeLegendView::Item{p.seatEmpty, "Fold 80%"}));

    EXPECT_EQ(
        Model::detail("AKo", PositionBucket::early, PreflopContext::facing3Bet, p),
        (RangeDetailView::Detail{"AKo", "CALL", p.callBtn, Qt::white, "Chen Formula strength: Strong"}));
    // A text that is no class reads as fold and has no strength line.
    EXPECT_EQ(Model::detail("ZZs", PositionBucket::late, PreflopContext::open, p),
              (RangeDetailView::Detail{"ZZs", "FOLD", p.seatEmpty, p.textMuted, std::nullopt}));
}

}  // namespace
}  // namespace pellox::app
