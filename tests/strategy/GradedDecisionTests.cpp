#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "strategy/GradedDecision.hpp"

namespace pellox {
namespace {

GradedDecision raiseDecision() {
    return {4,
            Street::turn,
            {PlayerActionType::raise, 120},
            PlayerActionType::raise,
            PlayerActionType::call,
            std::nullopt,
            false,
            0.41,
            0.25,
            200,
            50,
            "~41% equity beats the 25% the pot odds require."};
}

TEST(GradedDecisionJsonTests, RoundTrip) {
    const auto d = raiseDecision();
    const Json j = d;
    EXPECT_EQ(j.at("playerAction"), Json::parse(R"({"type":"raise","amount":120})"));
    EXPECT_EQ(j.get<GradedDecision>(), d);
}

TEST(GradedDecisionJsonTests, AbsentOptionalsAreLeftOutAndReadBackAbsent) {
    GradedDecision d = raiseDecision();
    d.equity.reset();
    d.requiredEquity.reset();
    d.advisedAmount.reset();
    const Json j = d;
    EXPECT_FALSE(j.contains("advisedAmount"));
    EXPECT_FALSE(j.contains("equity"));
    EXPECT_FALSE(j.contains("requiredEquity"));
    EXPECT_EQ(j.get<GradedDecision>(), d);
}

TEST(GradedDecisionJsonTests, StrictReading) {
    const Json good = raiseDecision();
    auto with = [&](const char* key, Json value) {
        Json j = good;
        j[key] = std::move(value);
        return j;
    };
    auto without = [&](const char* key) {
        Json j = good;
        j.erase(key);
        return j;
    };
    EXPECT_THROW(without("agreed").get<GradedDecision>(), Json::exception);
    EXPECT_THROW(without("explanation").get<GradedDecision>(), Json::exception);
    EXPECT_THROW(with("agreed", 1).get<GradedDecision>(), Json::exception);
    EXPECT_THROW(with("handNumber", 4.0).get<GradedDecision>(), Json::exception);
    EXPECT_THROW(with("street", "Turn").get<GradedDecision>(), Json::exception);
    EXPECT_THROW(with("equity", nullptr).get<GradedDecision>(), Json::exception);
    EXPECT_THROW(with("advisedAmount", 1.5).get<GradedDecision>(), Json::exception);
    EXPECT_EQ(with("unknown", 1).get<GradedDecision>(), raiseDecision());
}

std::vector<GradedDecision> decisions(int agreed, int total) {
    std::vector<GradedDecision> out(static_cast<std::size_t>(total), raiseDecision());
    for (int i = 0; i < agreed; ++i)
        out[static_cast<std::size_t>(total - 1 - i)].agreed = true;
    return out;
}

TEST(HandAccuracyTests, TheAgreedShareOfTheHandsDecisions) {
    EXPECT_FALSE(handAccuracy({}).has_value());
    EXPECT_EQ(handAccuracy(decisions(0, 1)), 0.0);
    EXPECT_EQ(handAccuracy(decisions(1, 1)), 1.0);
    EXPECT_EQ(handAccuracy(decisions(7, 10)), 0.7);
    EXPECT_EQ(handAccuracy(decisions(2, 3)), 2.0 / 3.0);
}

}  // namespace
}  // namespace pellox
