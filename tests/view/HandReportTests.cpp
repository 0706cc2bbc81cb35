#include "view/HandReport.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace pellox {
namespace {

std::string names(std::string_view id) {
    return id == "bot-1" ? "Ann" : std::string(id);
}

GradedDecision decision(bool agreed, Street street) {
    GradedDecision d;
    d.handNumber = 3;
    d.street = street;
    d.playerAction = {PlayerActionType::call, std::nullopt};
    d.resolvedType = PlayerActionType::call;
    d.advisedAction = agreed ? PlayerActionType::call : PlayerActionType::fold;
    d.agreed = agreed;
    d.explanation = "because";
    return d;
}

Winner winner(const std::string& id, std::optional<std::string> description) {
    return Winner{id, 100, std::move(description)};
}

TEST(HandReportTally, NoDecisions) {
    const HandReport r({}, -20, {winner("bot-1", "Opponents folded")}, names);
    EXPECT_EQ(r.verdict, HandVerdict::ungraded);
    EXPECT_EQ(r.accuracy, std::nullopt);
    EXPECT_EQ(r.firstMisstep, std::nullopt);
    EXPECT_EQ(r.agreedCount, 0);
    EXPECT_EQ(r.decisionCount(), 0);
    EXPECT_EQ(r.netChips, -20);
    EXPECT_FALSE(r.isWin());
}

TEST(HandReportTally, Verdicts) {
    const auto second = decision(false, Street::flop);
    const HandReport mixed({decision(true, Street::preflop), second, decision(true, Street::turn)}, 40, {},
                           names);
    EXPECT_EQ(mixed.verdict, HandVerdict::mixed);
    EXPECT_EQ(mixed.agreedCount, 2);
    EXPECT_EQ(mixed.decisionCount(), 3);
    EXPECT_DOUBLE_EQ(*mixed.accuracy, 2.0 / 3.0);
    EXPECT_EQ(mixed.firstMisstep, second);
    EXPECT_TRUE(mixed.isWin());

    const HandReport clean({decision(true, Street::preflop), decision(true, Street::river)}, 0, {}, names);
    EXPECT_EQ(clean.verdict, HandVerdict::clean);
    EXPECT_EQ(clean.accuracy, 1.0);
    EXPECT_EQ(clean.firstMisstep, std::nullopt);
    EXPECT_FALSE(clean.isWin());

    const HandReport off({decision(false, Street::turn), decision(false, Street::river)}, 0, {}, names);
    EXPECT_EQ(off.verdict, HandVerdict::off);
    EXPECT_EQ(off.accuracy, 0.0);
    EXPECT_EQ(off.firstMisstep->street, Street::turn);

    EXPECT_EQ(mixed, HandReport(mixed.decisions, 40, {}, names));
    EXPECT_NE(mixed, HandReport(mixed.decisions, 41, {}, names));
}

TEST(HandReportResultLine, WhoWon) {
    auto line = [](std::vector<Winner> winners) { return HandReport({}, 0, winners, names).resultLine; };
    EXPECT_EQ(line({winner("bot-1", "Two Pair"), winner("human", "Two Pair")}), "You won with Two Pair");
    EXPECT_EQ(line({winner("bot-1", std::nullopt), winner("human", "Opponents folded")}), "You won the pot");
    EXPECT_EQ(line({winner("human", std::nullopt)}), "You won the pot");
    EXPECT_EQ(line({winner("human", "Flush"), winner("human", "Pair")}), "You won with Flush");
    EXPECT_EQ(line({winner("bot-1", "Opponents folded")}), "Ann won the pot");
    EXPECT_EQ(line({winner("bot-1", std::nullopt)}), "Ann won the pot");
    EXPECT_EQ(line({winner("bot-1", "Straight"), winner("bot-7", "Flush")}), "Ann won with Straight");
    EXPECT_EQ(line({winner("bot-7", "Full House")}), "bot-7 won with Full House");
    EXPECT_EQ(line({}), "Hand complete");
}

TEST(HandReportGrade, LetterThresholds) {
    EXPECT_EQ(letterGrade(1.0), "A+");
    EXPECT_EQ(letterGrade(0.95), "A+");
    EXPECT_EQ(letterGrade(0.9499), "A");
    EXPECT_EQ(letterGrade(0.85), "A");
    EXPECT_EQ(letterGrade(0.8499), "B");
    EXPECT_EQ(letterGrade(0.7), "B");
    EXPECT_EQ(letterGrade(0.6999), "C");
    EXPECT_EQ(letterGrade(0.5), "C");
    EXPECT_EQ(letterGrade(0.49), "F");
    EXPECT_EQ(letterGrade(0.0), "F");
    EXPECT_EQ(letterGrade(std::nan("")), "F");
    EXPECT_EQ(letterGrade(2.0 / 3.0), "C");
}

}  // namespace
}  // namespace pellox
