#include <gtest/gtest.h>

#include <limits>

#include "rules/Json.hpp"
#include "store/SessionTestValues.hpp"
#include "store/TrainingStats.hpp"

namespace pellox {
namespace {

using test::grade;

HandOutcome outcome(GameMode mode, std::int64_t net, Position position,
                    std::vector<GradedDecision> grades = {}) {
    return {mode, net, position, std::move(grades)};
}

TEST(TrainingStatsTests, FreshValues) {
    const TrainingStats s;
    EXPECT_EQ(s.byStreet.size(), 4u);
    for (const auto& [street, bucket] : s.byStreet)
        EXPECT_EQ(bucket, AccuracyBucket{});
    EXPECT_TRUE(s.byPosition.empty());
    EXPECT_EQ(s.netChipsByMode,
              (std::map<GameMode, std::int64_t>{{GameMode::cash, 0}, {GameMode::tournament, 0}}));
    EXPECT_FALSE(s.overallAccuracy());
    EXPECT_TRUE(s.leaks().empty());
}

TEST(TrainingStatsTests, HandWithoutGradesCountsTheHandOnly) {
    const TrainingStats before;
    const auto after = before.recording(outcome(GameMode::tournament, -120, Position::co));
    EXPECT_EQ(before.handsPlayed, 0);  // pure
    EXPECT_EQ(after.handsPlayed, 1);
    EXPECT_EQ(after.netChipsByMode.at(GameMode::tournament), -120);
    EXPECT_EQ(after.netChipsByMode.at(GameMode::cash), 0);
    EXPECT_EQ(after.byPosition, (std::map<Position, AccuracyBucket>{{Position::co, {}}}));
    EXPECT_TRUE(after.recentHandAccuracy.empty());
    EXPECT_EQ(after.decisionsGraded, 0);
    EXPECT_EQ(after.sessions, 0);
}

TEST(TrainingStatsTests, GradesCountByStreetPositionAndHand) {
    const auto s =
        TrainingStats{}.recording(outcome(GameMode::cash, 50, Position::bb,
                                          {grade(Street::preflop, true), grade(Street::flop, false),
                                           grade(Street::river, true), grade(Street::showdown, true)}));
    EXPECT_EQ(s.decisionsGraded, 4);
    EXPECT_EQ(s.decisionsAgreed, 3);
    EXPECT_EQ(s.recentHandAccuracy, std::vector<double>{0.75});
    EXPECT_EQ(s.byStreet.at(StreetKey::preflop), (AccuracyBucket{1, 1}));
    EXPECT_EQ(s.byStreet.at(StreetKey::flop), (AccuracyBucket{1, 0}));
    EXPECT_EQ(s.byStreet.at(StreetKey::turn), (AccuracyBucket{0, 0}));
    EXPECT_EQ(s.byStreet.at(StreetKey::river), (AccuracyBucket{1, 1}));
    EXPECT_EQ(s.byPosition.at(Position::bb), (AccuracyBucket{4, 3}));  // the showdown grade counts here
    EXPECT_EQ(s.overallAccuracy(), 0.75);
}

TEST(TrainingStatsTests, RecentAccuracyKeepsTheLastThirty) {
    TrainingStats s;
    for (int hand = 1; hand <= 31; ++hand)
        s = s.recording(outcome(GameMode::cash, 0, Position::btn,
                                {grade(Street::flop, true), grade(Street::turn, hand % 2 == 0)}));
    ASSERT_EQ(s.recentHandAccuracy.size(), 30u);
    EXPECT_EQ(s.recentHandAccuracy.front(), 1.0);  // the second hand
    EXPECT_EQ(s.recentHandAccuracy.back(), 0.5);

    TrainingStats decoded;
    decoded.recentHandAccuracy.assign(50, 0.25);
    decoded = decoded.recording(outcome(GameMode::cash, 0, Position::btn));
    EXPECT_EQ(decoded.recentHandAccuracy.size(), 50u);  // no grades: unchanged
    decoded = decoded.recording(outcome(GameMode::cash, 0, Position::btn, {grade(Street::flop, true)}));
    ASSERT_EQ(decoded.recentHandAccuracy.size(), 30u);
    EXPECT_EQ(decoded.recentHandAccuracy.back(), 1.0);
    EXPECT_EQ(decoded.recentHandAccuracy.front(), 0.25);
}

TEST(TrainingStatsTests, MissingModeEntryStartsAtZero) {
    TrainingStats s;
    s.netChipsByMode.erase(GameMode::cash);
    s = s.recording(outcome(GameMode::cash, 75, Position::sb));
    EXPECT_EQ(s.netChipsByMode.at(GameMode::cash), 75);
}

TEST(TrainingStatsTests, LeaksFromTwentyGradedDecisionsWeakestFirst) {
    TrainingStats s;
    s.byStreet[StreetKey::turn] = {19, 0};
    s.byStreet[StreetKey::river] = {20, 20};
    s.byStreet[StreetKey::flop] = {20, 12};
    s.byStreet[StreetKey::preflop] = {40, 24};
    s.byPosition[Position::btn] = {20, 12};
    s.byPosition[Position::co] = {30, 15};
    s.byPosition[Position::bb] = {20, 10};
    s.byPosition[Position::sb] = {5, 0};
    const std::vector<Leak> expected{
        {Leak::Kind::position, "BB", 0.5, 20},  {Leak::Kind::position, "CO", 0.5, 30},
        {Leak::Kind::street, "flop", 0.6, 20},  {Leak::Kind::street, "preflop", 0.6, 40},
        {Leak::Kind::position, "BTN", 0.6, 20}, {Leak::Kind::street, "river", 1.0, 20}};
    EXPECT_EQ(s.leaks(), expected);
    s.byStreet.erase(StreetKey::river);
    EXPECT_EQ(s.leaks().size(), 5u);
}

TEST(TrainingStatsTests, CountsSaturateInsteadOfOverflowing) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    TrainingStats s;
    s.handsPlayed = max;
    s.netChipsByMode[GameMode::cash] = max - 1;
    s.byPosition[Position::btn] = {max, max};
    s = s.recording(outcome(GameMode::cash, 10, Position::btn, {grade(Street::flop, true)}));
    EXPECT_EQ(s.handsPlayed, max);
    EXPECT_EQ(s.netChipsByMode.at(GameMode::cash), max);
    EXPECT_EQ(s.byPosition.at(Position::btn), (AccuracyBucket{max, max}));
}

TEST(TrainingStatsTests, JsonFormAndStrictReading) {
    const Json fresh = TrainingStats{};
    EXPECT_EQ(fresh.at("byStreet").size(), 8u);
    EXPECT_EQ(fresh.at("byPosition"), Json::array());
    EXPECT_EQ(fresh.at("netChipsByMode").size(), 4u);
    EXPECT_EQ(fresh.get<TrainingStats>(), TrainingStats{});

    TrainingStats played = TrainingStats{}.recording(outcome(
        GameMode::tournament, -40, Position::utg1, {grade(Street::turn, false), grade(Street::turn, true)}));
    EXPECT_EQ(Json(played).get<TrainingStats>(), played);

    Json j = played;
    j["byPosition"] = Json::array({"UTG1", {{"graded", 1}, {"agreed", 0}}, "MP"});
    EXPECT_THROW(j.get<TrainingStats>(), Json::exception);
    j = played;
    j["byPosition"] = Json::array({"utg1", {{"graded", 1}, {"agreed", 0}}});
    EXPECT_THROW(j.get<TrainingStats>(), Json::exception);
    j = played;
    j["recentHandAccuracy"] = Json::array({0.5, "0.5"});
    EXPECT_THROW(j.get<TrainingStats>(), Json::exception);
    j = played;
    j["sessions"] = 2.0;
    EXPECT_THROW(j.get<TrainingStats>(), Json::exception);
    j = played;
    j.erase("netChipsByMode");
    EXPECT_THROW(j.get<TrainingStats>(), Json::exception);
    j = played;
    j["netChipsByMode"] = Json::array({"tournament", 5});
    EXPECT_EQ(j.get<TrainingStats>().netChipsByMode,
              (std::map<GameMode, std::int64_t>{{GameMode::tournament, 5}}));
}

}  // namespace
}  // namespace pellox
