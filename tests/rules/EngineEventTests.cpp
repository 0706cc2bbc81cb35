#include <gtest/gtest.h>

#include "rules/EngineEvent.hpp"
#include "rules/Json.hpp"

namespace pellox {
namespace {

using E = EngineEvent;

std::vector<EngineEvent> oneOfEach() {
    return {E::HandStarted{3, 1},
            E::BlindPosted{"b1", BlindKind::small, 5},
            E::HoleCardsDealt{"human"},
            E::ActionTaken{"human", PlayerAction{PlayerActionType::raise, 60}, PlayerActionType::allIn, 55},
            E::StreetDealt{Street::flop,
                           {{Rank::ace, Suit::spades}, {Rank::ten, Suit::hearts}, {Rank::two, Suit::clubs}}},
            E::ShowdownRevealed{
                "b2", {{Rank::king, Suit::diamonds}, {Rank::king, Suit::clubs}}, "Three of a Kind"},
            E::PotAwarded{"b2", 240, 1},
            E::PlayerEliminated{"b1"}};
}

Json event(std::string_view text) {
    return Json::parse(text);
}

void expectFailure(const Json& j, std::string_view message = {}) {
    try {
        (void)j.get<EngineEvent>();
        ADD_FAILURE() << "decoded " << j.dump();
    } catch (const Json::exception& e) {
        EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
}

TEST(EngineEventTests, CasesKeepTheirOrderAndNames) {
    auto events = oneOfEach();
    for (std::size_t i = 0; i < events.size(); ++i)
        EXPECT_EQ(events[i].caseNumber(), i);
    EXPECT_EQ(events[0].caseName(), "handStarted");
    EXPECT_EQ(events[7].caseName(), "playerEliminated");
    EXPECT_TRUE(events[3].is<E::ActionTaken>());
    ASSERT_NE(events[3].as<E::ActionTaken>(), nullptr);
    EXPECT_EQ(events[3].as<E::ActionTaken>()->amountPutIn, 55);
    EXPECT_EQ(events[3].as<E::PotAwarded>(), nullptr);

    std::vector<std::string> kinds;
    for (BlindKind k : allCases<BlindKind>())
        kinds.emplace_back(rawValue(k));
    EXPECT_EQ(kinds, (std::vector<std::string>{"small", "big", "ante"}));
}

TEST(EngineEventTests, EveryCaseRoundTrips) {
    for (const EngineEvent& e : oneOfEach()) {
        Json j = e;
        ASSERT_EQ(j.size(), 1u);
        EXPECT_TRUE(j.contains(e.caseName()));
        EXPECT_EQ(Json::parse(j.dump()).get<EngineEvent>(), e) << j.dump();
    }
    Json list = oneOfEach();
    EXPECT_EQ(list.get<std::vector<EngineEvent>>(), oneOfEach());
}

TEST(EngineEventTests, ShapesArePinned) {
    EXPECT_EQ(Json(E{E::HandStarted{3, 1}}),
              event(R"({"handStarted":{"handNumber":3,"dealerSeatIndex":1}})"));
    EXPECT_EQ(Json(E{E::BlindPosted{"b1", BlindKind::small, 5}}),
              event(R"({"blindPosted":{"playerId":"b1","kind":"small","amount":5}})"));
    EXPECT_EQ(
        Json(E{E::ActionTaken{"h", {PlayerActionType::call, std::nullopt}, PlayerActionType::call, 10}}),
        event(
            R"({"actionTaken":{"playerId":"h","action":{"type":"call"},"resolvedType":"call","amountPutIn":10}})"));
    EXPECT_EQ(Json(E{E::StreetDealt{Street::river, {{Rank::nine, Suit::diamonds}}}}),
              event(R"({"streetDealt":{"street":"river","cards":[)" +
                    Json(Card{Rank::nine, Suit::diamonds}).dump() + "]}}"));
    EXPECT_EQ(Json(E{E::PotAwarded{"h", 80, 0}}),
              event(R"({"potAwarded":{"playerId":"h","amount":80,"potIndex":0}})"));
    EXPECT_EQ(Json(E{E::PlayerEliminated{"b3"}}), event(R"({"playerEliminated":{"playerId":"b3"}})"));
    EXPECT_EQ(Json(E{E::HoleCardsDealt{"b3"}}), event(R"({"holeCardsDealt":{"playerId":"b3"}})"));
}

TEST(EngineEventTests, ExactlyOneCaseMemberCounts) {
    expectFailure(
        event(
            R"({"handStarted":{"handNumber":1,"dealerSeatIndex":0},"potAwarded":{"playerId":"a","amount":1,"potIndex":0}})"),
        "Invalid number of keys found, expected one.");
    expectFailure(event(R"({})"), "Invalid number of keys found, expected one.");
    expectFailure(event(R"({"HandStarted":{"handNumber":1,"dealerSeatIndex":0}})"),
                  "Invalid number of keys found, expected one.");
    EXPECT_EQ(event(R"({"note":"x","holeCardsDealt":{"playerId":"a","extra":1}})").get<EngineEvent>(),
              E{E::HoleCardsDealt{"a"}});
}

TEST(EngineEventTests, PayloadsAreReadStrictly) {
    expectFailure(event(R"({"blindPosted":{"playerId":"a","kind":"straddle","amount":5}})"));
    expectFailure(event(R"({"blindPosted":{"playerId":"a","kind":"Small","amount":5}})"));
    expectFailure(event(R"({"blindPosted":{"playerId":"a","amount":5}})"));
    expectFailure(event(R"({"handStarted":{"handNumber":1}})"));
    expectFailure(event(R"({"handStarted":{"handNumber":1.5,"dealerSeatIndex":0}})"));
    expectFailure(event(R"({"handStarted":{"handNumber":"1","dealerSeatIndex":0}})"));
    expectFailure(event(R"({"handStarted":[1,0]})"));
    expectFailure(event(R"({"holeCardsDealt":{"playerId":7}})"));
    expectFailure(event(
        R"({"actionTaken":{"playerId":"a","action":{"type":"raise"},"resolvedType":"allIn","amountPutIn":3}})"));
    expectFailure(event(
        R"({"actionTaken":{"playerId":"a","action":{"type":"shove"},"resolvedType":"call","amountPutIn":3}})"));
    expectFailure(event(R"({"streetDealt":{"street":"fourth","cards":[]}})"));
    expectFailure(event(R"({"showdownRevealed":{"playerId":"a","holeCards":[],"handDescription":null}})"));
    expectFailure(event(R"({"potAwarded":{"playerId":"a","amount":18446744073709551615,"potIndex":0}})"));
    expectFailure(event(R"("handStarted")"));

    E emptyTurn = E::StreetDealt{Street::turn, {}};
    EXPECT_EQ(event(R"({"streetDealt":{"street":"turn","cards":[]}})").get<EngineEvent>(), emptyTurn);
}

TEST(EngineEventTests, EqualityComparesCaseAndEveryField) {
    E absent = E::ActionTaken{"a", {PlayerActionType::bet, std::nullopt}, PlayerActionType::bet, 20};
    E present = E::ActionTaken{"a", {PlayerActionType::bet, 20}, PlayerActionType::bet, 20};
    EXPECT_NE(absent, present);
    EXPECT_NE(E{E::HoleCardsDealt{"a"}}, E{E::PlayerEliminated{"a"}});
    E clubs = E::StreetDealt{Street::flop, {{Rank::two, Suit::clubs}}};
    E diamonds = E::StreetDealt{Street::flop, {{Rank::two, Suit::diamonds}}};
    EXPECT_NE(clubs, diamonds);
    E award = E::PotAwarded{"a", 1, 0};
    EXPECT_EQ(award, (E{E::PotAwarded{"a", 1, 0}}));
    EXPECT_NE(award, (E{E::PotAwarded{"a", 1, 1}}));
}

}  // namespace
}  // namespace pellox
