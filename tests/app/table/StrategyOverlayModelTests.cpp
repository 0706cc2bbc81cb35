#include <gtest/gtest.h>

#include "strategy/StrategyAdvice.hpp"
#include "table/StrategyOverlayModel.hpp"

namespace pellox::app {
namespace {

StrategyAdvice postflop(double equity, std::optional<double> required) {
    StrategyAdvice a;
    a.recommendedAction = PlayerActionType::call;
    a.headline = "Top Pair: CALL";
    a.explanation = "E";
    a.equity = equity;
    a.requiredEquity = required;
    return a;
}

StrategyAdvice preflop(PreflopTier tier) {
    StrategyAdvice a;
    a.recommendedAction = PlayerActionType::raise;
    a.recommendedAmount = 30;
    a.headline = "AKo: RAISE";
    a.explanation = "Explanation";
    a.chartReason = "Chart reason.";
    a.preflopStrengthTier = tier;
    return a;
}

TEST(StrategyOverlayModel, NoAdviceDrawsNothing) {
    EXPECT_FALSE(StrategyOverlayModel::make(std::nullopt));
}

TEST(StrategyOverlayModel, TierBadgeNamesTheTierWithItsTone) {
    const std::pair<PreflopTier, AdviceBadge> cases[] = {
        {PreflopTier::premium, {"CHEN FORMULA", "PREMIUM", PaletteRole::success}},
        {PreflopTier::strong, {"CHEN FORMULA", "STRONG", PaletteRole::success}},
        {PreflopTier::playable, {"CHEN FORMULA", "PLAYABLE", PaletteRole::accent}},
        {PreflopTier::marginal, {"CHEN FORMULA", "MARGINAL", PaletteRole::danger}},
        {PreflopTier::fold, {"CHEN FORMULA", "WEAK", PaletteRole::danger}},
    };
    for (const auto& [tier, badge] : cases)
        EXPECT_EQ(adviceBadge(preflop(tier)), badge);
}

TEST(StrategyOverlayModel, EvBadgeOnlyWithBothEquities) {
    EXPECT_EQ(adviceBadge(postflop(0.3, 0.4)), (AdviceBadge{std::nullopt, "-EV", PaletteRole::danger}));
    EXPECT_EQ(adviceBadge(postflop(0.4, 0.4)), (AdviceBadge{std::nullopt, "+EV", PaletteRole::success}));
    EXPECT_EQ(adviceBadge(postflop(0.5, 0.4)), (AdviceBadge{std::nullopt, "+EV", PaletteRole::success}));
    EXPECT_FALSE(adviceBadge(postflop(0.5, std::nullopt)));
    // The tier wins over the price; the equity block is still shown.
    StrategyAdvice both = preflop(PreflopTier::playable);
    both.equity = 0.2;
    both.requiredEquity = 0.4;
    const auto model = StrategyOverlayModel::make(both);
    EXPECT_EQ(model->badge->value, "PLAYABLE");
    ASSERT_TRUE(model->equityBar);
    EXPECT_EQ(model->equityBar->fill, PaletteRole::danger);
}

TEST(StrategyOverlayModel, EquityBarTextsAndFill) {
    auto bar = StrategyOverlayModel::make(postflop(0.4, 0.25))->equityBar;
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->equityText, "Eq: 40%");
    EXPECT_EQ(bar->requiredText, "Req: 25%");
    EXPECT_EQ(bar->fill, PaletteRole::success);
    bar = StrategyOverlayModel::make(postflop(0.125, 0.995))->equityBar;
    EXPECT_EQ(bar->equityText, "Eq: 13%");
    EXPECT_EQ(bar->requiredText, "Req: 100%");
    EXPECT_EQ(bar->fill, PaletteRole::danger);
    bar = StrategyOverlayModel::make(postflop(0.0049, std::nullopt))->equityBar;
    EXPECT_EQ(bar->equityText, "Eq: 0%");
    EXPECT_FALSE(bar->requiredText);
    EXPECT_FALSE(bar->requiredEquity);
    EXPECT_EQ(bar->fill, PaletteRole::success);
    EXPECT_FALSE(StrategyOverlayModel::make(preflop(PreflopTier::strong))->equityBar);
}

TEST(StrategyOverlayModel, ReasonPrefersTheChartAndReadsJoin) {
    auto model = StrategyOverlayModel::make(preflop(PreflopTier::strong));
    EXPECT_EQ(model->reason, "Chart reason.");
    EXPECT_FALSE(model->readsLine);
    StrategyAdvice a = postflop(0.4, 0.25);
    a.opponentReads = {"R1", "R2"};
    model = StrategyOverlayModel::make(a);
    EXPECT_EQ(model->reason, "E");
    EXPECT_EQ(model->readsLine, "Read: R1; R2");
    EXPECT_EQ(model->headline, "Top Pair: CALL");
}

TEST(StrategyOverlayModel, AccessibilitySummaryJoinsItsParts) {
    StrategyAdvice a = postflop(0.4, 0.25);
    a.opponentReads = {"R1", "R2"};
    EXPECT_EQ(accessibilitySummary(a), "Top Pair, CALL. Equity 40%, price needs 25%. E. Read: R1; R2");
    EXPECT_EQ(accessibilitySummary(preflop(PreflopTier::fold)),
              "AKo, RAISE. Chen formula rates this Weak. Chart reason.");
    StrategyAdvice bare = postflop(0.5, std::nullopt);
    bare.equity.reset();
    bare.headline = "A:B:C";
    EXPECT_EQ(accessibilitySummary(bare), "A,B,C. E");
    EXPECT_EQ(accessibilitySummary(postflop(0.5, std::nullopt)), "Top Pair, CALL. Equity 50%. E");
    // A reason that ends its own sentence takes no second full stop before the reads.
    StrategyAdvice stopped = postflop(0.4, 0.25);
    stopped.explanation = "Fold equity grows over time.";
    stopped.opponentReads = {"R1"};
    EXPECT_EQ(accessibilitySummary(stopped),
              "Top Pair, CALL. Equity 40%, price needs 25%. Fold equity grows "
              "over time. Read: R1");
}

}  // namespace
}  // namespace pellox::app
