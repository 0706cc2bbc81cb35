#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "session/SessionSummary.hpp"
#include "store/SessionTestValues.hpp"

namespace pellox {
namespace {

using test::grade;

std::vector<GradedDecision> grades(Street street, int agreed, int disagreed) {
    std::vector<GradedDecision> out;
    for (int i = 0; i < agreed; ++i)
        out.push_back(grade(street, true));
    for (int i = 0; i < disagreed; ++i)
        out.push_back(grade(street, false));
    return out;
}

TEST(SessionSummaryTests, HandsWithoutGradesCountHandsAndNet) {
    SessionSummary s;
    s.record(150, {});
    s.record(-400, {});
    EXPECT_EQ(s.handsPlayed, 2);
    EXPECT_EQ(s.netChips, -250);
    EXPECT_EQ(s.decisionsGraded, 0);
    EXPECT_FALSE(s.accuracy());
    EXPECT_EQ(s.byStreet, SessionSummary{}.byStreet);
}

TEST(SessionSummaryTests, GradesCountByStreetAndShowdownOnlyInTotals) {
    SessionSummary s;
    s.record(0, {grade(Street::river, true), grade(Street::showdown, false)});
    EXPECT_EQ(s.byStreet.at(StreetKey::river), (AccuracyBucket{1, 1}));
    EXPECT_EQ(s.decisionsGraded, 2);
    EXPECT_EQ(s.decisionsAgreed, 1);
    EXPECT_EQ(s.accuracy(), 0.5);
}

TEST(SessionSummaryTests, WeakestStreetNeedsSixDecisions) {
    SessionSummary s;
    s.record(0, grades(Street::flop, 0, 5));
    EXPECT_FALSE(s.weakestStreet());
    s.record(0, grades(Street::flop, 0, 1));
    EXPECT_EQ(s.weakestStreet(), (StreetAccuracy{StreetKey::flop, 0.0, 6}));
}

TEST(SessionSummaryTests, EarlierStreetWinsATie) {
    SessionSummary s;
    s.record(0, grades(Street::turn, 4, 4));
    s.record(0, grades(Street::preflop, 3, 3));
    s.record(0, grades(Street::river, 7, 0));
    EXPECT_EQ(s.weakestStreet(), (StreetAccuracy{StreetKey::preflop, 0.5, 6}));
    s.byStreet.erase(StreetKey::preflop);
    EXPECT_EQ(s.weakestStreet(), (StreetAccuracy{StreetKey::turn, 0.5, 8}));
}

TEST(SessionSummaryTests, JsonForm) {
    const Json fresh = SessionSummary{};
    EXPECT_EQ(fresh.at("byStreet"),
              Json::parse(R"(["preflop",{"graded":0,"agreed":0},"flop",{"graded":0,"agreed":0},)"
                          R"("turn",{"graded":0,"agreed":0},"river",{"graded":0,"agreed":0}])"));
    SessionSummary s;
    s.record(-30, {grade(Street::flop, true)});
    EXPECT_EQ(Json(s).get<SessionSummary>(), s);
    Json odd = s;
    odd["byStreet"].push_back("turn");
    EXPECT_THROW(odd.get<SessionSummary>(), Json::exception);
    Json missing = s;
    missing.erase("decisionsAgreed");
    EXPECT_THROW(missing.get<SessionSummary>(), Json::exception);
}

}  // namespace
}  // namespace pellox
