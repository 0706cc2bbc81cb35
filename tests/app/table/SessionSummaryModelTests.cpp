#include <gtest/gtest.h>

#include <QLocale>

#include "rules/GameMode.hpp"
#include "session/SessionSummary.hpp"
#include "store/GuideMode.hpp"
#include "table/SessionSummaryModel.hpp"

namespace pellox::app {
namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

SessionSummary graded(std::int64_t agreed, std::int64_t total) {
    SessionSummary s;
    s.decisionsGraded = total;
    s.decisionsAgreed = agreed;
    return s;
}

TEST(SessionSummaryModel, GradeColourAndPercentOfTheAccuracy) {
    struct Case {
        std::int64_t agreed, total;
        const char* grade;
        PaletteRole color;
        std::int64_t percent;
    };
    const Case cases[] = {{19, 20, "A+", PaletteRole::success, 95}, {17, 20, "A", PaletteRole::success, 85},
                          {14, 20, "B", PaletteRole::accent, 70},   {1, 2, "C", PaletteRole::danger, 50},
                          {2, 5, "F", PaletteRole::danger, 40},     {5, 8, "C", PaletteRole::danger, 63}};
    for (const auto& c : cases) {
        const auto m =
            SessionSummaryModel::make(graded(c.agreed, c.total), GameMode::cash, GuideMode::show, english);
        ASSERT_TRUE(m.accuracy);
        EXPECT_EQ(m.accuracy->grade, c.grade) << c.agreed << "/" << c.total;
        EXPECT_EQ(m.accuracy->color, c.color) << c.agreed << "/" << c.total;
        EXPECT_EQ(m.accuracy->percent, c.percent) << c.agreed << "/" << c.total;
    }
    const auto m = SessionSummaryModel::make(graded(5, 8), GameMode::cash, GuideMode::show, english);
    EXPECT_EQ(m.accuracy->matchedText, "63% matched the guide");
    EXPECT_EQ(m.accuracy->decisionsText, "5 of 8 decisions");
}

TEST(SessionSummaryModel, NoGradesShowsNoRingAndNoWeakestStreetAndSaysWhy) {
    SessionSummary s;
    s.handsPlayed = 12;
    s.netChips = 300;
    const auto m = SessionSummaryModel::make(s, GameMode::tournament, GuideMode::off, english);
    EXPECT_FALSE(m.accuracy);
    EXPECT_FALSE(m.weakestStreetLine);
    EXPECT_EQ(m.modeText, "Tournament");
    EXPECT_EQ(m.handsValue, "12");
    EXPECT_EQ(m.noGradesHint, "Turn the guide on to have your play graded.");
    // A guide that is on grades every decision: none came up.
    for (GuideMode on : {GuideMode::show, GuideMode::gradeOnly})
        EXPECT_EQ(SessionSummaryModel::make(s, GameMode::tournament, on, english).noGradesHint,
                  "No decision came up for the guide to grade.");
    EXPECT_EQ(SessionSummaryModel::make(graded(1, 2), GameMode::cash, GuideMode::off, english).noGradesHint,
              "");
}

TEST(SessionSummaryModel, HandsCaptionAndNetChipsGroupedByTheLocale) {
    SessionSummary s;
    s.handsPlayed = 1;
    auto m = SessionSummaryModel::make(s, GameMode::cash, GuideMode::show, english);
    EXPECT_EQ(m.handsCaption, "Hand played");
    EXPECT_EQ(m.modeText, "Cash game");
    EXPECT_EQ(m.netText, "$0");
    EXPECT_EQ(m.netColor, PaletteRole::text);
    s.handsPlayed = 0;
    s.netChips = 1250;
    m = SessionSummaryModel::make(s, GameMode::cash, GuideMode::show, english);
    EXPECT_EQ(m.handsCaption, "Hands played");
    EXPECT_EQ(m.netText, "+$1,250");
    EXPECT_EQ(m.netColor, PaletteRole::success);
    s.netChips = -40;
    EXPECT_EQ(SessionSummaryModel::make(s, GameMode::cash, GuideMode::show, english).netColor,
              PaletteRole::danger);
    // The hands value is never grouped.
    s.handsPlayed = 1500;
    EXPECT_EQ(SessionSummaryModel::make(s, GameMode::cash, GuideMode::show, english).handsValue, "1500");
}

TEST(SessionSummaryModel, WeakestStreetNeedsSixDecisions) {
    SessionSummary s;
    s.record(0, {});
    GradedDecision wrong;
    wrong.street = Street::flop;
    s.record(0, std::vector<GradedDecision>(5, wrong));
    EXPECT_FALSE(SessionSummaryModel::make(s, GameMode::cash, GuideMode::show, english).weakestStreetLine);
    s.record(0, {wrong});
    EXPECT_EQ(SessionSummaryModel::make(s, GameMode::cash, GuideMode::show, english).weakestStreetLine,
              "Flop: 0% across 6 decisions");
    EXPECT_EQ(weakestStreetLine({StreetKey::flop, 5.0 / 12.0, 12}), "Flop: 42% across 12 decisions");
    EXPECT_EQ(weakestStreetLine({StreetKey::river, 0.625, 8}), "River: 63% across 8 decisions");
}

}  // namespace
}  // namespace pellox::app
