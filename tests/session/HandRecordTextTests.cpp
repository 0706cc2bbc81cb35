#include <gtest/gtest.h>

#include <cmath>

#include "session/HandRecordText.hpp"
#include "session/SampleHands.hpp"

namespace pellox {
namespace {

Json written(const HandRecord& r) {
    std::string text;
    EXPECT_TRUE(appendJson(text, r));
    return Json::parse(text);
}

TEST(HandRecordTextTests, WritesTheSameJsonAsTheTree) {
    SeededRNG rng(11);
    for (int hand = 1; hand <= 20; ++hand) {
        const auto r = samples::realisticHand(hand, rng);
        EXPECT_EQ(written(r), Json(r));
    }
}

TEST(HandRecordTextTests, EveryEventCaseOptionalFieldAndAwkwardText) {
    SeededRNG rng(3);
    auto r = samples::realisticHand(1, rng);
    r.events.push_back(EngineEvent::PlayerEliminated{"bot-4"});
    r.events.push_back(EngineEvent::BlindPosted{"bot-5", BlindKind::ante, 25});
    r.events.push_back(EngineEvent::ActionTaken{
        "human", {PlayerActionType::allIn, std::nullopt}, PlayerActionType::call, 315});
    r.winners.push_back({"bot-2", -7, std::nullopt});
    r.seats[1].name = "Quote \" back\\slash \n tab\t bell\x07 \u00e9\u20ac\U0001F0A1";
    r.grades[0].equity.reset();
    r.grades[0].advisedAmount = 0;
    r.grades[1].equity = 1e-7;
    r.grades[1].requiredEquity = 1.0;
    r.id = "";
    r.seed = INT32_MIN;
    r.humanNet = INT64_MIN;
    r.timestamp = referenceDate - std::chrono::milliseconds(1500);
    const auto j = written(r);
    EXPECT_EQ(j, Json(r));
    EXPECT_TRUE(j.at("grades")[1].at("requiredEquity").is_number_float());
    EXPECT_EQ(j.get<HandRecord>(), r);
}

TEST(HandRecordTextTests, RefusesWhatCannotBeEncoded) {
    SeededRNG rng(5);
    const auto good = samples::realisticHand(1, rng);
    for (const char* bad :
         {"\xff", "\xc3\x28", "\xe0\x80\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "ab\xe2\x82"}) {
        auto r = good;
        r.seats[2].name = bad;
        std::string text;
        EXPECT_FALSE(appendJson(text, r)) << bad;
    }
    auto r = good;
    r.grades[0].equity = std::nan("");
    std::string text;
    EXPECT_FALSE(appendJson(text, r));
}

}  // namespace
}  // namespace pellox
