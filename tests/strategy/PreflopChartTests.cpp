#include <gtest/gtest.h>

#include <array>
#include <string>

#include "strategy/HandClass.hpp"
#include "strategy/HandRange.hpp"
#include "strategy/PreflopChart.hpp"

namespace pellox {
namespace {

// Grid cell (row, col) as the range chart screen lays it out: pairs on the diagonal, suited above it,
// offsuit below, rows and columns from the ace down.
std::string gridLabel(std::size_t row, std::size_t col) {
    constexpr std::string_view ranks = "AKQJT98765432";
    if (row == col) return std::string(2, ranks[row]);
    std::size_t lo = std::min(row, col), hi = std::max(row, col);
    return std::string{ranks[lo], ranks[hi], row < col ? 's' : 'o'};
}

char cellCode(RangeAction action) {
    switch (action) {
        case RangeAction::raise:
            return 'R';
        case RangeAction::call:
            return 'C';
        case RangeAction::fold:
            return '.';
    }
    return '?';
}

// R raise, C call, . fold; columns run A K Q J T 9 8 7 6 5 4 3 2.
void expectChart(PreflopContext context, PositionBucket bucket, const std::array<std::string, 13>& expected) {
    for (std::size_t row = 0; row < 13; ++row) {
        std::string actual;
        for (std::size_t col = 0; col < 13; ++col)
            actual += cellCode(PreflopChart::action(gridLabel(row, col), context, bucket));
        EXPECT_EQ(actual, expected[row])
            << rawValue(context) << " " << rawValue(bucket) << ", row " << HandRange::rankCharacters[row];
    }
}

TEST(PreflopChartTests, FirstInChartsRaiseAndNeverCall) {
    expectChart(PreflopContext::open, PositionBucket::early,
                {
                    "RRRRR........",  // A
                    "RRRR.........",  // K
                    "RRRR.........",  // Q
                    "...RR........",  // J
                    "....RR.......",  // T
                    ".....RR......",  // 9
                    "......RR.....",  // 8
                    ".......RR....",  // 7
                    "........R....",  // 6
                    ".........R...",  // 5
                    "..........R..",  // 4
                    "...........R.",  // 3
                    "............R",  // 2
                });
    expectChart(PreflopContext::open, PositionBucket::middle,
                {
                    "RRRRRR...R...",  // A
                    "RRRRR........",  // K
                    "RRRRR........",  // Q
                    "RRRRRR.......",  // J
                    "R...RR.......",  // T
                    ".....RR......",  // 9
                    "......RR.....",  // 8
                    ".......RR....",  // 7
                    "........RR...",  // 6
                    ".........R...",  // 5
                    "..........R..",  // 4
                    "...........R.",  // 3
                    "............R",  // 2
                });
    expectChart(PreflopContext::open, PositionBucket::late,
                {
                    "RRRRRRRRRRRRR",  // A
                    "RRRRRR.......",  // K
                    "RRRRRR.......",  // Q
                    "RRRRRRR......",  // J
                    "RRRRRRR......",  // T
                    "R..RRRRR.....",  // 9
                    "R....RRRR....",  // 8
                    ".......RRR...",  // 7
                    "........RR...",  // 6
                    "R........RR..",  // 5
                    "..........R..",  // 4
                    "...........R.",  // 3
                    "............R",  // 2
                });
    expectChart(PreflopContext::open, PositionBucket::sb,
                {
                    "RRRRRRRRRRRRR",  // A
                    "RRRRRR.......",  // K
                    "RRRRRR.......",  // Q
                    "RRRRRR.......",  // J
                    "RRRRRRR......",  // T
                    "R...RRRR.....",  // 9
                    "......RRR....",  // 8
                    ".......RR....",  // 7
                    "........RR...",  // 6
                    ".........RR..",  // 5
                    "..........R..",  // 4
                    "...........R.",  // 3
                    "............R",  // 2
                });
    expectChart(PreflopContext::open, PositionBucket::bb,
                {
                    "RRRR.........",  // A
                    "RRR..........",  // K
                    "R.R..........",  // Q
                    "...R.........",  // J
                    "....R........",  // T
                    ".....R.......",  // 9
                    ".............",  // 8
                    ".............",  // 7
                    ".............",  // 6
                    ".............",  // 5
                    ".............",  // 4
                    ".............",  // 3
                    ".............",  // 2
                });
}

TEST(PreflopChartTests, FacingAnOpenCharts) {
    expectChart(PreflopContext::facingOpen, PositionBucket::early,
                {
                    "RRCCC........",  // A
                    "RRC..........",  // K
                    "C.R..........",  // Q
                    "...C.........",  // J
                    "....C........",  // T
                    ".....C.......",  // 9
                    "......C......",  // 8
                    ".......C.....",  // 7
                    "........C....",  // 6
                    ".........C...",  // 5
                    "..........C..",  // 4
                    "...........C.",  // 3
                    "............C",  // 2
                });
    expectChart(PreflopContext::facingOpen, PositionBucket::middle,
                {
                    "RRCCC........",  // A
                    "RRCC.........",  // K
                    "CCRC.........",  // Q
                    "...CC........",  // J
                    "....CC.......",  // T
                    ".....C.......",  // 9
                    "......C......",  // 8
                    ".......C.....",  // 7
                    "........C....",  // 6
                    ".........C...",  // 5
                    "..........C..",  // 4
                    "...........C.",  // 3
                    "............C",  // 2
                });
    expectChart(PreflopContext::facingOpen, PositionBucket::late,
                {
                    "RRRCC....RR..",  // A
                    "RRCCC........",  // K
                    "CCRCC........",  // Q
                    "C..RC........",  // J
                    "....CC.......",  // T
                    ".....CC......",  // 9
                    "......CC.....",  // 8
                    ".......CC....",  // 7
                    "........CC...",  // 6
                    ".........C...",  // 5
                    "..........C..",  // 4
                    "...........C.",  // 3
                    "............C",  // 2
                });
    expectChart(PreflopContext::facingOpen, PositionBucket::sb,
                {
                    "RRRCC........",  // A
                    "RRC..........",  // K
                    "C.RC.........",  // Q
                    "...RC........",  // J
                    "....CC.......",  // T
                    ".....C.......",  // 9
                    "......C......",  // 8
                    ".......C.....",  // 7
                    "........C....",  // 6
                    ".........C...",  // 5
                    "..........C..",  // 4
                    "...........C.",  // 3
                    "............C",  // 2
                });
    expectChart(PreflopContext::facingOpen, PositionBucket::bb,
                {
                    "RRCCCCCCCRCCC",  // A
                    "RRCCCC.......",  // K
                    "CCRCCC.......",  // Q
                    "CCCCCC.......",  // J
                    "C..CCCC......",  // T
                    ".....CCC.....",  // 9
                    "......CC.....",  // 8
                    ".......CC....",  // 7
                    "........CC...",  // 6
                    ".........CC..",  // 5
                    "..........C..",  // 4
                    "...........C.",  // 3
                    "............C",  // 2
                });
}

TEST(PreflopChartTests, FacingA3BetCharts) {
    expectChart(PreflopContext::facing3Bet, PositionBucket::early,
                {
                    "RRC..........",  // A
                    "CR...........",  // K
                    "..C..........",  // Q
                    "...C.........",  // J
                    ".............",  // T
                    ".............",  // 9
                    ".............",  // 8
                    ".............",  // 7
                    ".............",  // 6
                    ".............",  // 5
                    ".............",  // 4
                    ".............",  // 3
                    ".............",  // 2
                });
    expectChart(PreflopContext::facing3Bet, PositionBucket::middle,
                {
                    "RRC..........",  // A
                    "CR...........",  // K
                    "..C..........",  // Q
                    "...C.........",  // J
                    "....C........",  // T
                    ".............",  // 9
                    ".............",  // 8
                    ".............",  // 7
                    ".............",  // 6
                    ".............",  // 5
                    ".............",  // 4
                    ".............",  // 3
                    ".............",  // 2
                });
    expectChart(PreflopContext::facing3Bet, PositionBucket::late,
                {
                    "RRCC.........",  // A
                    "RRC..........",  // K
                    "..R..........",  // Q
                    "...C.........",  // J
                    "....C........",  // T
                    ".....C.......",  // 9
                    ".............",  // 8
                    ".............",  // 7
                    ".............",  // 6
                    ".............",  // 5
                    ".............",  // 4
                    ".............",  // 3
                    ".............",  // 2
                });
    expectChart(PreflopContext::facing3Bet, PositionBucket::sb,
                {
                    "RRCC.........",  // A
                    "RRC..........",  // K
                    "..R..........",  // Q
                    "...C.........",  // J
                    "....C........",  // T
                    ".....C.......",  // 9
                    "......C......",  // 8
                    ".............",  // 7
                    ".............",  // 6
                    ".............",  // 5
                    ".............",  // 4
                    ".............",  // 3
                    ".............",  // 2
                });
    expectChart(PreflopContext::facing3Bet, PositionBucket::bb,
                {
                    "RRCC.....R...",  // A
                    "RRC..........",  // K
                    "..R..........",  // Q
                    "...CC........",  // J
                    "....CC.......",  // T
                    ".....C.......",  // 9
                    "......C......",  // 8
                    ".............",  // 7
                    ".............",  // 6
                    ".............",  // 5
                    ".............",  // 4
                    ".............",  // 3
                    ".............",  // 2
                });
}

TEST(PreflopChartTests, EveryContextAndBucketHasOneChartOfRealClasses) {
    const auto& table = PreflopChart::table();
    const auto& all = allHandClasses();
    HandClassSet known(all.begin(), all.end());
    ASSERT_EQ(table.size(), 3u);
    for (PreflopContext context : allCases<PreflopContext>()) {
        ASSERT_EQ(table.at(context).size(), 5u);
        for (PositionBucket bucket : allCases<PositionBucket>()) {
            const ContextRanges& ranges = table.at(context).at(bucket);
            EXPECT_FALSE(ranges.raise.empty());
            for (const auto& c : ranges.raise)
                EXPECT_TRUE(known.contains(c)) << c;
            for (const auto& c : ranges.call)
                EXPECT_TRUE(known.contains(c)) << c;
            if (context == PreflopContext::open) {
                EXPECT_TRUE(ranges.call.empty()) << rawValue(bucket);
            }
        }
    }
}

TEST(PreflopChartTests, RaiseWinsWhereBothRangesHoldAClass) {
    // "ATs+" in the call range also covers AKs, which the raise range holds too.
    const auto& ranges = PreflopChart::table().at(PreflopContext::facingOpen).at(PositionBucket::early);
    EXPECT_TRUE(ranges.call.contains("AKs"));
    EXPECT_EQ(PreflopChart::action("AKs", PreflopContext::facingOpen, PositionBucket::early),
              RangeAction::raise);
}

TEST(PreflopChartTests, LookupsOfSingleHands) {
    using enum PositionBucket;
    EXPECT_EQ(PreflopChart::action("A5s", PreflopContext::open, early), RangeAction::fold);
    for (PositionBucket b : {middle, late, sb})
        EXPECT_EQ(PreflopChart::action("A5s", PreflopContext::open, b), RangeAction::raise) << rawValue(b);
    EXPECT_EQ(PreflopChart::action("A5s", PreflopContext::facingOpen, late), RangeAction::raise);
    EXPECT_EQ(PreflopChart::action("A4s", PreflopContext::facingOpen, late), RangeAction::raise);
    EXPECT_EQ(PreflopChart::action("A3s", PreflopContext::facingOpen, late), RangeAction::fold);
    EXPECT_EQ(PreflopChart::action("KQo", PreflopContext::open, bb), RangeAction::fold);
    EXPECT_EQ(PreflopChart::action("KQs", PreflopContext::open, bb), RangeAction::raise);
    // Texts that are not hand classes read as fold.
    for (std::string_view text : {"", "aks", "KAs", "AK", "AKs ", "XX"})
        EXPECT_EQ(PreflopChart::action(text, PreflopContext::open, late), RangeAction::fold) << text;
}

TEST(PreflopChartTests, RawValuesOfTheAxes) {
    EXPECT_EQ(rawValue(PreflopContext::open), "open");
    EXPECT_EQ(rawValue(PreflopContext::facingOpen), "facing-open");
    EXPECT_EQ(rawValue(PreflopContext::facing3Bet), "facing-3bet");
    std::string buckets;
    for (PositionBucket b : allCases<PositionBucket>())
        buckets += std::string(rawValue(b)) + " ";
    EXPECT_EQ(buckets, "early middle late sb bb ");
    EXPECT_EQ(rawValue(RangeAction::raise), "raise");
    EXPECT_EQ(rawValue(RangeAction::call), "call");
    EXPECT_EQ(rawValue(RangeAction::fold), "fold");
    EXPECT_EQ(parse<PreflopContext>("facing-3bet"), PreflopContext::facing3Bet);
    EXPECT_EQ(parse<PreflopContext>("facing3Bet"), std::nullopt);
}

TEST(PreflopChartTests, PositionsFallIntoBuckets) {
    const std::array<std::pair<Position, PositionBucket>, 9> expected{{
        {Position::btn, PositionBucket::late},
        {Position::sb, PositionBucket::sb},
        {Position::bb, PositionBucket::bb},
        {Position::utg, PositionBucket::early},
        {Position::utg1, PositionBucket::early},
        {Position::mp, PositionBucket::middle},
        {Position::mp1, PositionBucket::middle},
        {Position::hj, PositionBucket::middle},
        {Position::co, PositionBucket::late},
    }};
    for (auto [position, bucket] : expected)
        EXPECT_EQ(positionBucket(position), bucket) << rawValue(position);
}

TEST(PreflopChartTests, RaisesBeforeChooseTheSituation) {
    EXPECT_EQ(preflopContext(0), PreflopContext::open);
    EXPECT_EQ(preflopContext(1), PreflopContext::facingOpen);
    EXPECT_EQ(preflopContext(2), PreflopContext::facing3Bet);
    EXPECT_EQ(preflopContext(5), PreflopContext::facing3Bet);
    EXPECT_EQ(preflopContext(-1), PreflopContext::open);
}

}  // namespace
}  // namespace pellox
