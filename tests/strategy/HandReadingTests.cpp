#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "strategy/BoardTexture.hpp"
#include "strategy/DrawOdds.hpp"
#include "strategy/MadeHandAssessment.hpp"
#include "strategy/StraightDrawInfo.hpp"

#include "TestCards.hpp"

namespace pellox {
namespace {

using test::cards;

TEST(StraightDrawTests, OutsAndKindOfTheBestDraw) {
    struct Row {
        std::string_view cards;
        std::int64_t outs;
        StraightDrawInfo::Kind kind;
    };
    using enum StraightDrawInfo::Kind;
    const std::vector<Row> rows{
        {"9h 8c 7d 6s 2c", 8, openEnded},
        {"Ks Qh Jd Tc 3s", 8, openEnded},
        {"2c 3d 4h 5s Kd", 8, openEnded},  // the ace below or the six above
        {"Ah Kc Qd Jh 2c", 4, gutshot},    // only a ten completes it
        {"Ac 2d 3h 4s 9d", 4, gutshot},    // only a five
        {"9c 7d 6h 5s 2d", 4, gutshot},
        {"Jc 9d 8h 7s 5c", 4, gutshot},  // two inside draws still count 4
        {"Ah Kd 7c 2s 3h", 0, none},
        {"Ah", 0, none},
        {"", 0, none},
        // A made straight adds nothing itself, but its four lowest or highest cards are still a draw.
        {"9c 8d 7h 6s 5d", 8, openEnded},
        {"Ac Kd Qh Jc Td", 8, openEnded},
    };
    for (const Row& row : rows) {
        auto hand = cards(row.cards);
        EXPECT_EQ(StraightDrawInfo::evaluate(hand), (StraightDrawInfo{row.outs, row.kind})) << row.cards;
    }
    EXPECT_EQ(rawValue(none), "none");
    EXPECT_EQ(rawValue(gutshot), "gutshot");
    EXPECT_EQ(rawValue(openEnded), "open-ended");
}

TEST(DrawOddsTests, FlushDrawOutsAndTheRuleOfTwoAndFour) {
    EXPECT_EQ(flushDrawOuts(cards("As Ks Qs Jd 2s")), 9);
    EXPECT_EQ(flushDrawOuts(cards("As Ks Qs Jd 2s 3h")), 9);
    EXPECT_EQ(flushDrawOuts(cards("As Ks Qs Js 2s")), 0);  // already a flush
    EXPECT_EQ(flushDrawOuts(cards("As Ks Qs Jd 2h")), 0);
    EXPECT_EQ(flushDrawOuts(cards("")), 0);

    EXPECT_DOUBLE_EQ(drawEquity(9, 1), 0.18);
    EXPECT_DOUBLE_EQ(drawEquity(9, 2), 0.36);
    EXPECT_DOUBLE_EQ(drawEquity(8, 2), 0.32);
    EXPECT_DOUBLE_EQ(drawEquity(4, 0), 0.08);
    EXPECT_DOUBLE_EQ(drawEquity(30, 2), 1.0);
    EXPECT_DOUBLE_EQ(drawEquity(0, 2), 0.0);
    EXPECT_DOUBLE_EQ(drawEquity(-3, 2), 0.0);
    EXPECT_DOUBLE_EQ(drawEquity(std::numeric_limits<std::int64_t>::max(), 2), 1.0);
}

TEST(DrawOddsTests, DrawOutsTakeTheBetterDrawWhileCardsAreToCome) {
    EXPECT_EQ(drawOuts(cards("9h 8h"), cards("7h 6c 2h"), Street::flop), 9);  // flush draw beats the OESD
    EXPECT_EQ(drawOuts(cards("9d 8h"), cards("7h 6c 2h"), Street::turn), 8);
    EXPECT_EQ(drawOuts(cards("Ad Kh"), cards("Qc Jd 2s"), Street::flop), 4);
    EXPECT_EQ(drawOuts(cards("9h 8h"), cards("7h 6c 2h Kd 3s"), Street::river), 0);
    EXPECT_EQ(drawOuts(cards("9h 8h"), cards("7h 6c 2h Kd 3s"), Street::showdown), 0);
    // More cards than a deal holds are still all read.
    EXPECT_EQ(drawOuts(cards("9h 8h"), cards("7h 6c 2c Kd 3s Ah"), Street::flop), 9);
}

TEST(BoardTextureTests, DryAndWetBoards) {
    struct Row {
        std::string_view board;
        BoardTexture texture;
    };
    using enum BoardTexture;
    const std::vector<Row> rows{
        {"9h 8h 2c", dry},     // span 7, two hearts
        {"9h 8c 7d", wet},     // three ranks within four
        {"9h 9c 8d", dry},     // only two distinct ranks
        {"9h 5h 2h", wet},     // three hearts
        {"9h 9c 8h 8d", dry},  // two ranks, two of a suit
        {"9h 5c 7d", wet},     // span 4
        {"Th 5c 7d", dry},     // span 5
        {"Ts 6d 2c", dry},
        {"9h 9c 9d", dry},
        {"Kc Qd Jh 2s", dry},
        {"Kh Ks 9h 5h", wet},
        {"Ah Kh", dry},  // fewer than three cards, whatever the suits
        {"", dry},
    };
    for (const Row& row : rows)
        EXPECT_EQ(classifyBoardTexture(cards(row.board)), row.texture) << row.board;
    EXPECT_EQ(rawValue(dry), "dry");
    EXPECT_EQ(rawValue(wet), "wet");
}

TEST(MadeHandLabelTests, LabelOfEveryCategoryAndDraw) {
    struct Row {
        std::string_view hole, board, label;
    };
    const std::vector<Row> rows{
        {"9s 8s", "7s 6s 5s", "Straight Flush"},
        {"9c 9d", "9h 9s 2c", "Quads"},
        {"Kc Kd", "Kh 2s 2c", "Full House"},
        {"As 2s", "Ks 9s 4s", "Flush"},
        {"9c 8d", "7h 6s 5c", "Straight"},
        {"7c 7d", "7h Ks 2c", "Three of a Kind"},
        {"Kc Td", "Kh Ts 2c", "Two Pair (Ks & 10s)"},
        {"Ac Ad", "Kh Ks 2c", "Two Pair (As & Ks)"},
        {"Qc Qd", "Jh 7s 2c", "Overpair (Qs)"},
        {"Tc Td", "9h 7s 2c", "Overpair (10s)"},
        {"7c 7d", "Jh 8s 2c", "Pair (7)"},
        {"9c 9d", "Jh 7s 2c", "Pair (9)"},
        {"Ac Kd", "7h 7s 2c", "Top Pair (7)"},  // the board's pair is its highest rank
        {"Ac Kd", "Qh 7s 7c", "Pair (7)"},
        {"Tc 4d", "Th 7s 2c", "Top Pair (10)"},
        {"Ac 4d", "Ah 7s 2c", "Top Pair (A)"},
        {"Kc 7d", "Ah 7s 2c", "Pair (7)"},
        {"Js 4s", "Jh 7s 2s", "Top Pair (J)"},  // a pair outranks the flush draw
        {"As Ks", "Qs Jd 2s", "Flush Draw"},
        {"9c 8d", "7h 6s 2c", "OESD Straight Draw"},
        {"Ac Kd", "Qh Jc 2s", "Gutshot Draw"},
        {"Ac 2d", "Kh 9s 4c 7h 8d", "High Card (A)"},
        {"3c Td", "Kh 8s 4c", "High Card (10)"},
        {"2c 3d", "Kh 8s 9c", "High Card (3)"},
        // Draws name a card to come: on the turn still, on a complete board never.
        {"As Ks", "Qs Jd 2s 3h", "Flush Draw"},
        {"As 9c", "Kc 7c 4d Jd 3c", "High Card (A)"},
        {"Kc Tc", "Qs 9d 4s 2s 6c", "High Card (K)"},
        {"9c 8d", "7h 6s 2c Kd Ah", "High Card (9)"},
        {"Ac Kd", "Qh Jc 2s 5d 7h", "High Card (A)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MadeHandAssessment::label(cards(row.hole), cards(row.board)), std::string(row.label))
            << row.hole << " / " << row.board;
}

TEST(MadeHandLabelTests, NoLabelWithoutTwoHoleCardsAndAFlop) {
    EXPECT_EQ(MadeHandAssessment::label(cards("As Ks"), cards("Qs Jd")), std::nullopt);
    EXPECT_EQ(MadeHandAssessment::label(cards("As Ks"), cards("")), std::nullopt);
    EXPECT_EQ(MadeHandAssessment::label(cards("As"), cards("Qs Jd 2s 3h")), std::nullopt);
    EXPECT_EQ(MadeHandAssessment::label(cards("As Ks Kh"), cards("Qs Jd 2s")), std::nullopt);
    EXPECT_EQ(MadeHandAssessment::label(cards(""), cards("Qs Jd 2s 3h 4c")), std::nullopt);
}

TEST(MadeHandLabelTests, RankNamesSpellTheTen) {
    const std::vector<std::pair<std::int64_t, std::string>> names{
        {14, "A"}, {13, "K"}, {12, "Q"}, {11, "J"}, {10, "10"}, {9, "9"}, {8, "8"},
        {7, "7"},  {6, "6"},  {5, "5"},  {4, "4"},  {3, "3"},   {2, "2"}};
    EXPECT_EQ(MadeHandAssessment::rankNames().size(), names.size());
    for (const auto& [rank, name] : names)
        EXPECT_EQ(MadeHandAssessment::rankName(rank), name);
    EXPECT_EQ(MadeHandAssessment::rankName(1), "");
    EXPECT_EQ(MadeHandAssessment::rankName(15), "");
    EXPECT_EQ(MadeHandAssessment::rankName(0), "");
}

TEST(MadeHandAssessmentTests, TierOfWhatTheCardsMake) {
    struct Row {
        std::string_view hole, board;
        HandCategory category;
        MadeHandTier tier;
    };
    using enum HandCategory;
    using enum MadeHandTier;
    const std::vector<Row> rows{
        {"9s 8s", "7s 6s 5s", straightFlush, monster},
        {"9c 9d", "9h 9s 2c", quads, monster},
        {"Kc Kd", "Kh 2s 2c", fullHouse, monster},
        {"As 2s", "Ks 9s 4s", flush, monster},
        {"9c 8d", "7h 6s 5c", straight, monster},
        {"7c 7d", "7h Ks 2c", trips, monster},
        {"7c 2d", "7h 7s Kc", trips, monster},
        {"Kc Td", "Kh Ts 2c", twoPair, strong},
        {"Qc Qd", "Jh 7s 2c", pair, strong},  // overpair
        {"7c 7d", "Jh 8s 2c", pair, medium},  // underpair
        {"Ac Kd", "7h 7s 2c", pair, strong},  // the board's pair is its top rank
        {"Ac Kd", "Qh 7s 7c", pair, medium},  // the board's pair is below its top rank
        {"Ac 4d", "Ah 7s 2c", pair, strong},  // top pair
        {"Kc 7d", "Ah 7s 2c", pair, medium},  // second pair
        {"Ac 2d", "Kh 9s 4c", highCard, air},
        {"As Ks", "Qs Jd", highCard, air},  // fewer than five cards
        {"Ac Ad", "", highCard, air},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MadeHandAssessment::assess(cards(row.hole), cards(row.board)),
                  (MadeHandAssessment{row.category, row.tier}))
            << row.hole << " / " << row.board;
}

TEST(MadeHandAssessmentTests, MonsterCategoriesAndTierNames) {
    using enum HandCategory;
    EXPECT_EQ(MadeHandAssessment::monsterCategories(),
              (std::set<HandCategory>{trips, straight, flush, fullHouse, quads, straightFlush}));
    std::string raws;
    for (MadeHandTier t : allCases<MadeHandTier>())
        raws += std::string(rawValue(t)) + " ";
    EXPECT_EQ(raws, "monster strong medium air ");
}

}  // namespace
}  // namespace pellox
