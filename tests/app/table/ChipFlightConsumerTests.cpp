// Engine events turned into chip flights, each event once.
#include <gtest/gtest.h>

#include "rules/EngineEvent.hpp"
#include "table/ChipFlightConsumer.hpp"

namespace pellox::app {
namespace {

using Ev = EngineEvent;

const QPointF pot(100, 100);

std::optional<QPointF> seatOf(std::string_view id) {
    if (id == "human") return QPointF(100, 200);
    if (id == "bot-0") return QPointF(100, 0);
    return std::nullopt;
}

std::vector<std::string> ids(const std::vector<ChipFlightLayer::ActiveFlight>& flights) {
    std::vector<std::string> out;
    for (const auto& f : flights)
        out.push_back(f.id);
    return out;
}

TEST(ChipFlightConsumer, BlindsAndBetsFlyToThePotAndAwardsToTheWinner) {
    std::vector<Ev> events{Ev{Ev::HandStarted{1, 0}}, Ev{Ev::BlindPosted{"human", Ev::BlindKind::small, 5}},
                           Ev{Ev::BlindPosted{"bot-0", Ev::BlindKind::big, 10}}};
    ChipFlightConsumer consumer;
    const HandKey hand{0, 1};
    auto flights = consumer.consume(events, hand, seatOf, pot);
    EXPECT_EQ(ids(flights), (std::vector<std::string>{"blind-1", "blind-2"}));
    EXPECT_EQ(flights[0].from, QPointF(100, 200));
    EXPECT_EQ(flights[0].to, pot);
    EXPECT_EQ(flights[1].amount, 10);

    // A bet, a check and a fold: one flight; nothing is flown twice.
    events.push_back(
        Ev{Ev::ActionTaken{"human", {PlayerActionType::raise, 30}, PlayerActionType::raise, 25}});
    events.push_back(
        Ev{Ev::ActionTaken{"bot-0", {PlayerActionType::check, std::nullopt}, PlayerActionType::check, 0}});
    events.push_back(
        Ev{Ev::ActionTaken{"bot-0", {PlayerActionType::fold, std::nullopt}, PlayerActionType::fold, 0}});
    flights = consumer.consume(events, hand, seatOf, pot);
    EXPECT_EQ(ids(flights), std::vector<std::string>{"action-3"});
    events.push_back(Ev{Ev::PotAwarded{"human", 40, 0}});
    flights = consumer.consume(events, hand, seatOf, pot);
    ASSERT_EQ(ids(flights), std::vector<std::string>{"award-6"});
    EXPECT_EQ(flights[0].from, pot);
    EXPECT_EQ(flights[0].to, QPointF(100, 200));
    EXPECT_TRUE(consumer.consume(events, hand, seatOf, pot).empty());
    EXPECT_EQ(consumer.consumed(), 7);
}

TEST(ChipFlightConsumer, APlayerWithoutASeatIsSkippedAndANewListStartsOver) {
    ChipFlightConsumer consumer;
    std::vector<Ev> events{Ev{Ev::BlindPosted{"bot-9", Ev::BlindKind::small, 5}},
                           Ev{Ev::BlindPosted{"bot-0", Ev::BlindKind::big, 10}}};
    EXPECT_EQ(ids(consumer.consume(events, {0, 4}, seatOf, pot)), std::vector<std::string>{"blind-1"});
    EXPECT_EQ(consumer.consumed(), 2);
    // A shorter list is a new hand's.
    events.pop_back();
    events[0] = Ev{Ev::BlindPosted{"human", Ev::BlindKind::small, 5}};
    EXPECT_EQ(ids(consumer.consume(events, {0, 4}, seatOf, pot)), std::vector<std::string>{"blind-0"});
    // So is another hand, or the same hand number in another game, however long its list.
    events.push_back(Ev{Ev::BlindPosted{"bot-0", Ev::BlindKind::big, 10}});
    EXPECT_EQ(ids(consumer.consume(events, {1, 4}, seatOf, pot)),
              (std::vector<std::string>{"blind-0", "blind-1"}));
}

}  // namespace
}  // namespace pellox::app
