#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "store/HandRecord.hpp"
#include "store/SampleHands.hpp"

namespace pellox {
namespace {

HandRecord sampleRecord() {
    SeededRNG rng(7);
    return samples::realisticHand(7, rng);
}

TEST(HandRecordTests, IdentifierKeepsTheSeedsSign) {
    EXPECT_EQ(HandRecord::identifier(7, -12345), "7--12345");
    EXPECT_EQ(HandRecord::identifier(12, 99), "12-99");
}

TEST(HandRecordTests, PlayerNameFallsBackToTheId) {
    const auto r = sampleRecord();
    EXPECT_EQ(r.playerName("human"), "You");
    EXPECT_EQ(r.playerName("bot-3"), "Bot 3");
    EXPECT_EQ(r.playerName("bot-99"), "bot-99");
}

TEST(HandRecordTests, SymbolText) {
    EXPECT_EQ(symbolText(Card{Rank::ten, Suit::clubs}), "10\u2663");
    EXPECT_EQ(symbolText(Card{Rank::queen, Suit::diamonds}), "Q\u2666");
    EXPECT_EQ(symbolText(Card{Rank::ten, Suit::hearts}), "10\u2665");
    EXPECT_EQ(symbolText(Card{Rank::ace, Suit::spades}), "A\u2660");
    EXPECT_EQ(symbolText(Card{Rank::two, Suit::spades}), "2\u2660");
}

TEST(HandRecordTests, HistoryKeepsTheNewest200) {
    std::vector<HandRecord> history;
    for (int i = 0; i < 200; ++i) {
        HandRecord r;
        r.handNumber = i;
        history = HandRecord::prependingToHistory(r, std::move(history));
    }
    ASSERT_EQ(history.size(), 200u);
    EXPECT_EQ(history.front().handNumber, 199);
    EXPECT_EQ(history.back().handNumber, 0);
    HandRecord newest;
    newest.handNumber = 200;
    history = HandRecord::prependingToHistory(newest, std::move(history));
    ASSERT_EQ(history.size(), 200u);
    EXPECT_EQ(history.front().handNumber, 200);
    EXPECT_EQ(history.back().handNumber, 1);
}

TEST(HandRecordTests, KeepNewestCutsOnlyPastTheLimit) {
    std::vector<HandRecord> history(HandRecord::historyLimit + 5);
    for (std::size_t i = 0; i < history.size(); ++i)
        history[i].handNumber = static_cast<std::int64_t>(i);
    auto full = std::vector<HandRecord>(history.begin(), history.begin() + HandRecord::historyLimit);
    HandRecord::keepNewest(full);
    EXPECT_EQ(full.size(), HandRecord::historyLimit);
    HandRecord::keepNewest(history);
    ASSERT_EQ(history.size(), HandRecord::historyLimit);
    EXPECT_EQ(history.front().handNumber, 0);
    EXPECT_EQ(history.back().handNumber, static_cast<std::int64_t>(HandRecord::historyLimit) - 1);
}

TEST(HandRecordTests, JsonRoundTripAndForm) {
    const auto r = sampleRecord();
    const Json j = r;
    EXPECT_EQ(j.size(), 15u);
    EXPECT_TRUE(j.at("timestamp").is_number_float());
    EXPECT_EQ(j.at("timestamp").get<double>(), 760'000'000.0 + 7 * 45);
    EXPECT_EQ(j.at("humanPosition"), "CO");
    EXPECT_EQ(j.at("blinds"), Json::parse(R"({"smallBlind":5,"bigBlind":10,"ante":0})"));
    EXPECT_EQ(j.get<HandRecord>(), r);
}

TEST(HandRecordTests, StrictReading) {
    const Json good = sampleRecord();
    auto broken = [&](auto change) {
        Json j = good;
        change(j);
        return j;
    };
    EXPECT_THROW(broken([](Json& j) { j.erase("grades"); }).get<HandRecord>(), Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["seed"] = 2147483648LL; }).get<HandRecord>(), Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["seed"] = -2147483649LL; }).get<HandRecord>(), Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["timestamp"] = "2024-01-01"; }).get<HandRecord>(), Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["humanPosition"] = "btn"; }).get<HandRecord>(), Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["handNumber"] = 7.5; }).get<HandRecord>(), Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["seats"][0].erase("startingStack"); }).get<HandRecord>(),
                 Json::exception);
    EXPECT_THROW(broken([](Json& j) { j["events"][0] = Json::object(); }).get<HandRecord>(), Json::exception);

    auto seedEdge = broken([](Json& j) { j["seed"] = -2147483648LL; }).get<HandRecord>();
    EXPECT_EQ(seedEdge.seed, INT32_MIN);
    auto noGrades = broken([](Json& j) {
                        j["grades"] = Json::array();
                        j["extra"] = true;
                    }).get<HandRecord>();
    EXPECT_TRUE(noGrades.grades.empty());
}

}  // namespace
}  // namespace pellox
