#include <gtest/gtest.h>

#include "strategy/PreflopChart.hpp"
#include "strategy/PreflopDecision.hpp"

namespace pellox {
namespace {

using enum Rank;
using enum Suit;

struct Case {
    std::array<Card, 2> hole;
    Position position;
    std::int64_t raisesBefore;
    RangeAction action;
    PreflopTier tier;
    std::string_view label;
    std::string_view reason;
};

// One hand for each sentence of the reason table.
TEST(PreflopDecisionTests, ReasonForEverySituationAndAction) {
    // clang-format off
    const std::array<Case, 9> cases{{
        {{Card{ace, spades}, Card{king, spades}}, Position::utg, 0, RangeAction::raise, PreflopTier::premium,
         "AKs", "AKs is in the opening range for Under the Gun."},
        {{Card{king, clubs}, Card{queen, hearts}}, Position::bb, 0, RangeAction::fold, PreflopTier::playable,
         "KQo", "KQo is below the opening range for Big Blind."},
        {{Card{ace, clubs}, Card{ace, hearts}}, Position::co, 1, RangeAction::raise, PreflopTier::premium,
         "AA", "AA is strong enough to re-raise (3-bet) against an open."},
        {{Card{seven, clubs}, Card{seven, diamonds}}, Position::hj, 1, RangeAction::call, PreflopTier::playable,
         "77", "77 can profitably call a single raise from Hijack."},
        {{Card{two, diamonds}, Card{seven, clubs}}, Position::btn, 1, RangeAction::fold, PreflopTier::fold,
         "72o", "72o isn't strong enough to continue facing a raise from Dealer."},
        {{Card{king, clubs}, Card{king, hearts}}, Position::sb, 2, RangeAction::raise, PreflopTier::premium,
         "KK", "KK is strong enough to 4-bet against a 3-bet."},
        {{Card{jack, clubs}, Card{jack, hearts}}, Position::mp1, 2, RangeAction::call, PreflopTier::premium,
         "JJ", "JJ can defend against a 3-bet, but only by calling."},
        {{Card{nine, hearts}, Card{ten, hearts}}, Position::utg1, 5, RangeAction::fold, PreflopTier::playable,
         "T9s", "T9s should fold to this much aggression."},
        {{Card{five, spades}, Card{ace, spades}}, Position::co, 1, RangeAction::raise, PreflopTier::playable,
         "A5s", "A5s is strong enough to re-raise (3-bet) against an open."},
    }};
    // clang-format on
    for (const Case& c : cases) {
        PreflopDecision d(c.hole, c.position, c.raisesBefore);
        EXPECT_EQ(d.action, c.action) << c.label;
        EXPECT_EQ(d.tier, c.tier) << c.label;
        EXPECT_EQ(d.handLabel, c.label);
        EXPECT_EQ(d.reason, c.reason);
    }
}

TEST(PreflopDecisionTests, ReasonsNameEveryPosition) {
    const std::array<std::pair<Position, std::string_view>, 9> names{{
        {Position::btn, "Dealer"},
        {Position::sb, "Small Blind"},
        {Position::bb, "Big Blind"},
        {Position::utg, "Under the Gun"},
        {Position::utg1, "Under the Gun 2"},
        {Position::mp, "Middle Position"},
        {Position::mp1, "Middle Position 2"},
        {Position::hj, "Hijack"},
        {Position::co, "Cutoff"},
    }};
    for (auto [position, name] : names) {
        std::string p(name);
        EXPECT_EQ(PreflopDecision::explanation("QJs", RangeAction::raise, PreflopContext::open, position),
                  "QJs is in the opening range for " + p + ".");
        EXPECT_EQ(PreflopDecision::explanation("QJs", RangeAction::fold, PreflopContext::open, position),
                  "QJs is below the opening range for " + p + ".");
        EXPECT_EQ(
            PreflopDecision::explanation("QJs", RangeAction::call, PreflopContext::facingOpen, position),
            "QJs can profitably call a single raise from " + p + ".");
        EXPECT_EQ(
            PreflopDecision::explanation("QJs", RangeAction::fold, PreflopContext::facingOpen, position),
            "QJs isn't strong enough to continue facing a raise from " + p + ".");
    }
}

TEST(PreflopDecisionTests, AnOpenCallWhichNoChartHoldsReadsAsAnOpen) {
    EXPECT_EQ(PreflopDecision::explanation("98s", RangeAction::call, PreflopContext::open, Position::co),
              "98s is in the opening range for Cutoff.");
}

TEST(PreflopDecisionTests, EveryHandAndSeatAgreesWithTheChart) {
    for (int a = 0; a < 52; a += 3) {
        for (int b = a + 1; b < 52; b += 5) {
            std::array<Card, 2> hole{Card::fromIndex(a), Card::fromIndex(b)};
            for (Position position : allCases<Position>()) {
                for (std::int64_t raises : {0, 1, 2, 3}) {
                    PreflopDecision d(hole, position, raises);
                    EXPECT_EQ(d.action, PreflopChart::action(d.handLabel, preflopContext(raises),
                                                             positionBucket(position)));
                    EXPECT_EQ(d.tier, preflopTierForHand(hole[0], hole[1]));
                    EXPECT_TRUE(d.reason.starts_with(d.handLabel + " "));
                    EXPECT_NE(d.reason.find('.'), std::string::npos);
                }
            }
        }
    }
}

}  // namespace
}  // namespace pellox
