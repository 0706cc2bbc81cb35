#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "review/StatsFixtures.hpp"
#include "review/StatsScreenModel.hpp"
#include "store/TrainingStats.hpp"
#include "theme/Palette.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {
namespace {

using test::grade;

TrainingStats withBuckets(std::map<Position, AccuracyBucket> byPosition) {
    TrainingStats s;
    s.byPosition = std::move(byPosition);
    for (const auto& [position, bucket] : s.byPosition) {
        s.decisionsGraded += bucket.graded;
        s.decisionsAgreed += bucket.agreed;
    }
    return s;
}

TEST(StatsScreenModel, PercentOrDashRoundsHalvesAwayFromZero) {
    EXPECT_EQ(percentOrDash(std::nullopt), QString(QChar(0x2014)));
    EXPECT_EQ(percentOrDash(0.0), "0%");
    EXPECT_EQ(percentOrDash(0.125), "13%");
    EXPECT_EQ(percentOrDash(0.625), "63%");
    EXPECT_EQ(percentOrDash(2.0 / 3.0), "67%");
    EXPECT_EQ(percentOrDash(0.994), "99%");
    EXPECT_EQ(percentOrDash(1.0), "100%");
}

TEST(StatsScreenModel, AccuracyColourThresholds) {
    const Palette& p = Palette::midnight();
    EXPECT_EQ(accuracyColor(0.75, p), p.success);
    EXPECT_EQ(accuracyColor(1.0, p), p.success);
    EXPECT_EQ(accuracyColor(0.7499, p), p.accent);
    EXPECT_EQ(accuracyColor(0.5, p), p.accent);
    EXPECT_EQ(accuracyColor(0.4999, p), p.danger);
    EXPECT_EQ(accuracyColor(0.0, p), p.danger);
}

TEST(StatsScreenModel, FiguresOfAGeneratedHistoryFollowTheStatistics) {
    const TrainingStats s = test::sampleStats(120, 20240611);
    ASSERT_GT(s.decisionsGraded, 0);
    const StatsScreenModel m(s);
    const double accuracy = static_cast<double>(s.decisionsAgreed) / static_cast<double>(s.decisionsGraded);

    EXPECT_FALSE(m.empty);
    EXPECT_EQ(m.accuracyText, QString::number(std::lround(accuracy * 100)) + "%");
    EXPECT_EQ(m.letterGrade, QString::fromStdString(letterGrade(accuracy)));
    EXPECT_TRUE(m.showsChart);
    EXPECT_EQ(m.countTiles, (std::vector<CountTile>{{QString::number(s.handsPlayed), "hands"},
                                                    {QString::number(s.decisionsGraded), "decisions"},
                                                    {QString::number(s.sessions), "sessions"}}));

    ASSERT_EQ(m.streetRows.size(), 4u);
    const char* streetLabels[] = {"Preflop", "Flop", "Turn", "River"};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& bucket = s.byStreet.at(allCases<StreetKey>()[i]);
        EXPECT_EQ(m.streetRows[i], (BreakdownRow{streetLabels[i], bucket.graded, bucket.agreed}));
    }

    // The sample hands move the human through all nine positions, in the declaration order of positions.
    ASSERT_EQ(m.positionRows.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        const Position position = allCases<Position>()[i];
        const auto& bucket = s.byPosition.at(position);
        EXPECT_EQ(m.positionRows[i].label, QString::fromUtf8(displayName(position).data()));
        EXPECT_EQ(m.positionRows[i].graded, bucket.graded);
        EXPECT_EQ(m.positionRows[i].agreed, bucket.agreed);
    }

    const auto leaks = s.leaks();
    ASSERT_GE(leaks.size(), 3u);
    ASSERT_EQ(m.leakRows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.leakRows[i].name, displayName(leaks[i]));
        EXPECT_EQ(m.leakRows[i].accuracy, leaks[i].accuracy);
        EXPECT_EQ(m.leakRows[i].percentText, QString::number(std::lround(leaks[i].accuracy * 100)) + "%");
        EXPECT_EQ(m.leakRows[i].gradedText, "of " + QString::number(leaks[i].graded));
    }
    EXPECT_LE(m.leakRows[0].accuracy, m.leakRows[1].accuracy);
    EXPECT_LE(m.leakRows[1].accuracy, m.leakRows[2].accuracy);

    ASSERT_EQ(m.netChipsRows.size(), 2u);
    EXPECT_EQ(m.netChipsRows[0], (NetChipsRow{"Cash game", s.netChipsByMode.at(GameMode::cash)}));
    EXPECT_EQ(m.netChipsRows[1], (NetChipsRow{"Tournament", s.netChipsByMode.at(GameMode::tournament)}));
}

TEST(StatsScreenModel, HandsWithoutGradesLeaveTheScreenEmpty) {
    TrainingStats s;
    for (int i = 0; i < 5; ++i)
        s = s.recording({GameMode::cash, 40, Position::sb, {}});
    s.sessions = 2;
    const StatsScreenModel m(s);
    EXPECT_TRUE(m.empty);
    EXPECT_EQ(m.accuracyText, QString(QChar(0x2014)));
    EXPECT_FALSE(m.letterGrade);
    EXPECT_FALSE(m.showsChart);
    EXPECT_TRUE(m.positionRows.empty());  // a zero bucket is no row
}

TEST(StatsScreenModel, OneMatchingDecision) {
    const auto s = TrainingStats{}.recording({GameMode::cash, 0, Position::bb, {grade(Street::flop, true)}});
    const StatsScreenModel m(s);
    EXPECT_FALSE(m.empty);
    EXPECT_EQ(m.accuracyText, "100%");
    EXPECT_EQ(m.letterGrade, "A+");
    EXPECT_FALSE(m.showsChart);  // one recent accuracy is no chart
    // Every street keeps its row from the start; only the graded position shows.
    ASSERT_EQ(m.streetRows.size(), 4u);
    EXPECT_EQ(m.streetRows[0].accessibleText(), QString("Preflop: ") + QChar(0x2014) + " of 0 decisions");
    EXPECT_EQ(m.streetRows[1].accessibleText(), "Flop: 100% of 1 decisions");
    ASSERT_EQ(m.positionRows.size(), 1u);
    EXPECT_EQ(m.positionRows[0].label, "Big Blind");
    EXPECT_TRUE(m.leakRows.empty());
    EXPECT_EQ(StatsScreenModel::noLeaksText(),
              "Nothing has 20 graded decisions yet. Below that, an accuracy number is mostly noise.");
    EXPECT_TRUE(StatsScreenModel(s.recording({GameMode::cash, 0, Position::bb, {grade(Street::flop, false)}}))
                    .showsChart);
}

TEST(StatsScreenModel, CountsAreWrittenWithoutSeparators) {
    TrainingStats s;
    s.handsPlayed = 1234;
    s.decisionsGraded = 56789;
    s.decisionsAgreed = 1;
    s.sessions = 1000;
    const StatsScreenModel m(s);
    EXPECT_EQ(m.countTiles[0].value, "1234");
    EXPECT_EQ(m.countTiles[1].value, "56789");
    EXPECT_EQ(m.countTiles[2].value, "1000");
}

TEST(StatsScreenModel, BreakdownBarsFillByAccuracyWithASliverAtZero) {
    EXPECT_FALSE((BreakdownRow{"Turn", 0, 0}.fillWidth(200)));
    EXPECT_EQ((BreakdownRow{"Turn", 4, 0}.fillWidth(200)), 2.0);
    EXPECT_EQ((BreakdownRow{"Turn", 4, 4}.fillWidth(200)), 200.0);
    EXPECT_EQ((BreakdownRow{"Turn", 4, 1}.fillWidth(200)), 50.0);
    EXPECT_EQ((BreakdownRow{"Flop", 12, 8}.accessibleText()), "Flop: 67% of 12 decisions");
}

TEST(StatsScreenModel, LeakNames) {
    EXPECT_EQ(displayName(Leak{Leak::Kind::street, "flop", 0.4, 20}), "Flop");
    EXPECT_EQ(displayName(Leak{Leak::Kind::street, "preflop", 0.4, 20}), "Preflop");
    EXPECT_EQ(displayName(Leak{Leak::Kind::position, "UTG1", 0.4, 20}), "Under the Gun 2");
    EXPECT_EQ(displayName(Leak{Leak::Kind::position, "BTN", 0.4, 20}), "Dealer");
    EXPECT_EQ(displayName(Leak{Leak::Kind::position, "btn", 0.4, 20}), "BTN");  // exact match only
    EXPECT_EQ(displayName(Leak{Leak::Kind::position, "utg9", 0.4, 20}), "UTG9");
}

TEST(StatsScreenModel, OnlyTheThreeWeakestLeaksAreListed) {
    const TrainingStats s = withBuckets({{Position::btn, {20, 18}},
                                         {Position::sb, {25, 5}},
                                         {Position::bb, {30, 15}},
                                         {Position::co, {40, 10}},
                                         {Position::hj, {19, 0}},  // below the threshold
                                         {Position::mp, {20, 20}}});
    const StatsScreenModel m(s);
    ASSERT_EQ(m.leakRows.size(), 3u);
    EXPECT_EQ(m.leakRows[0], (LeakRow{"Small Blind", 0.2, "20%", "of 25"}));
    EXPECT_EQ(m.leakRows[1], (LeakRow{"Cutoff", 0.25, "25%", "of 40"}));
    EXPECT_EQ(m.leakRows[2], (LeakRow{"Big Blind", 0.5, "50%", "of 30"}));
    // The hijack has a graded decision, so it has a row, just no leak.
    EXPECT_EQ(m.positionRows.size(), 6u);
}

TEST(StatsScreenModel, NetChipsRows) {
    const Palette& p = Palette::cardRoom();
    EXPECT_EQ((NetChipsRow{"Cash game", 1500}.amountText()), "+$1500");
    EXPECT_EQ((NetChipsRow{"Cash game", 1500}.color(p)), p.success);
    EXPECT_EQ((NetChipsRow{"Cash game", -200}.amountText()), "-$200");
    EXPECT_EQ((NetChipsRow{"Cash game", -200}.color(p)), p.danger);
    EXPECT_EQ((NetChipsRow{"Cash game", 0}.amountText()), "$0");
    EXPECT_EQ((NetChipsRow{"Cash game", 0}.color(p)), p.textMuted);
    EXPECT_EQ((NetChipsRow{"Cash game", std::numeric_limits<std::int64_t>::min()}.amountText()),
              "-$9223372036854775808");

    TrainingStats s;
    s.decisionsGraded = 1;
    s.netChipsByMode = {{GameMode::cash, 250}};
    const StatsScreenModel m(s);
    EXPECT_EQ(m.netChipsRows, (std::vector<NetChipsRow>{{"Cash game", 250}, {"Tournament", 0}}));
    EXPECT_EQ(m.netChipsRows[1].amountText(), "$0");
}

}  // namespace
}  // namespace pellox::app
