#include "view/ActionLog.hpp"

#include <gtest/gtest.h>

namespace pellox {
namespace {

using E = EngineEvent;

std::string names(std::string_view id) {
    if (id == "human") return "You";
    if (id == "bot-1") return "Ann";
    if (id == "bot-2") return "Bo";
    return std::string(id);
}

Card c(Rank r, Suit s) {
    return Card{r, s};
}

E act(const std::string& id, PlayerActionType type, std::int64_t putIn,
      std::optional<std::int64_t> amount = {}) {
    return E::ActionTaken{id, PlayerAction{type, amount}, type, putIn};
}

std::vector<EngineEvent> foldedHand() {
    return {E::HandStarted{1, 0},
            E::BlindPosted{"bot-1", BlindKind::small, 5},
            E::BlindPosted{"human", BlindKind::big, 10},
            E::HoleCardsDealt{"bot-1"},
            E::HoleCardsDealt{"human"},
            act("bot-1", PlayerActionType::raise, 25, 30),
            act("human", PlayerActionType::call, 20),
            E::StreetDealt{
                Street::flop,
                {c(Rank::ace, Suit::spades), c(Rank::king, Suit::diamonds), c(Rank::ten, Suit::hearts)}},
            act("human", PlayerActionType::check, 0),
            act("bot-1", PlayerActionType::bet, 40, 40),
            act("human", PlayerActionType::fold, 0),
            E::PotAwarded{"bot-1", 100, 0}};
}

TEST(ActionLogBuild, HandWonWithoutShowdown) {
    const auto log = ActionLog::build(foldedHand(), names);
    const std::vector<ActionLogStreet> expected{
        {"preflop",
         "Preflop",
         {},
         {{1, "Ann posted the small blind $5", false},
          {2, "You posted the big blind $10", true},
          {5, "Ann raised to $30", false},
          {6, "You called $20", true}}},
        {"flop",
         "Flop",
         {c(Rank::ace, Suit::spades), c(Rank::king, Suit::diamonds), c(Rank::ten, Suit::hearts)},
         {{8, "You checked", true}, {9, "Ann bet $40", false}, {10, "You folded", true}}},
        // Ann's 40 that nobody called come back inside the one award of the pot: a line of their own.
        {"result", "Result", {}, {{11, "Ann won $60", false}, {-12, "Uncalled $40 returned to Ann", false}}}};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(ActionLogStreet::totalEntryCount(log), 9);
}

TEST(ActionLogBuild, EmptyAndBlindsOnly) {
    EXPECT_TRUE(ActionLog::build({}, names).empty());
    const auto log = ActionLog::build({E::HandStarted{3, 1}, E::BlindPosted{"bot-2", BlindKind::small, 50},
                                       E::BlindPosted{"bot-9", BlindKind::big, 100}},
                                      names);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].id, "preflop");
    EXPECT_EQ(log[0].label, "Preflop");
    EXPECT_EQ(log[0].entries, (std::vector<ActionLogEntry>{{1, "Bo posted the small blind $50", false},
                                                           {2, "bot-9 posted the big blind $100", false}}));
}

TEST(ActionLogBuild, StreetTotalsCountBlindsAndAntes) {
    const auto log = ActionLog::build(
        {E::HandStarted{1, 0}, E::BlindPosted{"human", BlindKind::ante, 25},
         E::BlindPosted{"human", BlindKind::big, 100}, act("bot-1", PlayerActionType::allIn, 400),
         act("human", PlayerActionType::raise, 200, 325)},
        names);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].entries[0].text, "You posted the ante $25");
    EXPECT_EQ(log[0].entries[2].text, "Ann put in $400");
    EXPECT_EQ(log[0].entries[3].text, "You raised to $325");
}

std::vector<EngineEvent> allInRunOut() {
    return {
        E::HandStarted{4, 2},
        act("human", PlayerActionType::allIn, 500),
        act("bot-1", PlayerActionType::call, 500),
        E::StreetDealt{Street::flop,
                       {c(Rank::two, Suit::clubs), c(Rank::three, Suit::clubs), c(Rank::four, Suit::clubs)}},
        E::StreetDealt{Street::turn, {c(Rank::queen, Suit::diamonds)}},
        E::StreetDealt{Street::river, {c(Rank::jack, Suit::hearts)}},
        E::ShowdownRevealed{"human", {c(Rank::ace, Suit::spades), c(Rank::ten, Suit::clubs)}, "Flush"},
        E::ShowdownRevealed{"bot-1", {c(Rank::king, Suit::hearts), c(Rank::king, Suit::spades)}, "Pair"},
        E::PotAwarded{"human", 800, 0},
        E::PotAwarded{"human", 200, 1},
        E::PotAwarded{"bot-2", 50, 2},
        E::PlayerEliminated{"bot-1"}};
}

TEST(ActionLogBuild, ShowdownAllInRunOutAndMergedAwards) {
    const auto log = ActionLog::build(allInRunOut(), names);
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].entries[0].text, "You put in $500");
    EXPECT_EQ(log[1].id, "flop");
    EXPECT_TRUE(log[1].entries.empty());
    EXPECT_EQ(log[1].cards.size(), 3u);
    EXPECT_EQ(log[2].label, "Turn");
    EXPECT_EQ(log[3].label, "River");
    EXPECT_EQ(log[4].id, "showdown");
    EXPECT_EQ(log[4].label, "Showdown");
    EXPECT_EQ(log[4].entries,
              (std::vector<ActionLogEntry>{{6, "You showed A\u2660 10\u2663 \u2014 Flush", true},
                                           {7, "Ann showed K\u2665 K\u2660 \u2014 Pair", false},
                                           {8, "You won $1000", true},
                                           {10, "Bo won $50", false},
                                           {11, "Ann was eliminated", false}}));
}

TEST(ActionLogBuild, AnyEventBetweenAwardsStartsANewLine) {
    const auto log = ActionLog::build(
        {E::PotAwarded{"bot-1", 10, 0}, E::HoleCardsDealt{"x"}, E::PotAwarded{"bot-1", 20, 1},
         E::PlayerEliminated{"bot-2"}, E::PotAwarded{"bot-1", 5, 0}, E::PotAwarded{"bot-2", 5, 1},
         E::PotAwarded{"bot-1", 5, 2}},
        names);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].id, "result");  // no showdown happened
    EXPECT_EQ(log[0].entries, (std::vector<ActionLogEntry>{{0, "Ann won $30", false},
                                                           {3, "Bo was eliminated", false},
                                                           {4, "Ann won $5", false},
                                                           {5, "Bo won $5", false},
                                                           {6, "Ann won $5", false}}));
}

TEST(ActionLogBuild, StreetDealtBetweenAwardsStillMergesThem) {
    // A dealt street does not interrupt a run of awards: the earlier line keeps growing where it stands.
    const auto log = ActionLog::build(
        {E::PotAwarded{"bot-1", 10, 0}, E::StreetDealt{Street::turn, {c(Rank::nine, Suit::hearts)}},
         E::PotAwarded{"bot-1", 20, 1}, E::PotAwarded{"bot-2", 5, 2}},
        names);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].id, "result");
    EXPECT_EQ(log[0].entries, (std::vector<ActionLogEntry>{{0, "Ann won $30", false}}));
    EXPECT_EQ(log[1].id, "turn");
    EXPECT_EQ(log[1].cards, (std::vector<Card>{c(Rank::nine, Suit::hearts)}));
    EXPECT_EQ(log[1].entries, (std::vector<ActionLogEntry>{{3, "Bo won $5", false}}));
}

// The human shoves 1500 over Ann's all-in call of 1405; the 95 nobody matched comes back to the human as a
// pot of its own, after the contested pot's award.
std::vector<EngineEvent> shoveOverAShortCall(const std::string& contestedWinner) {
    return {
        E::HandStarted{2, 0},
        E::BlindPosted{"human", BlindKind::small, 5},
        E::BlindPosted{"bot-1", BlindKind::big, 10},
        act("human", PlayerActionType::allIn, 1495),
        act("bot-1", PlayerActionType::call, 1395),
        E::StreetDealt{Street::flop,
                       {c(Rank::two, Suit::clubs), c(Rank::three, Suit::clubs), c(Rank::nine, Suit::hearts)}},
        E::StreetDealt{Street::turn, {c(Rank::queen, Suit::diamonds)}},
        E::StreetDealt{Street::river, {c(Rank::jack, Suit::hearts)}},
        E::ShowdownRevealed{"bot-1", {c(Rank::nine, Suit::spades), c(Rank::jack, Suit::spades)}, "Two Pair"},
        E::ShowdownRevealed{"human", {c(Rank::ace, Suit::spades), c(Rank::queen, Suit::clubs)}, "Pair"},
        E::PotAwarded{contestedWinner, 2810, 0},
        E::PotAwarded{"human", 95, 1}};
}

TEST(ActionLogBuild, AnUnmatchedBetHandedBackIsAReturnNotAWin) {
    const auto lost = ActionLog::build(shoveOverAShortCall("bot-1"), names);
    ASSERT_EQ(lost.back().id, "showdown");
    EXPECT_EQ(lost.back().entries,
              (std::vector<ActionLogEntry>{{8, "Ann showed 9\u2660 J\u2660 \u2014 Two Pair", false},
                                           {9, "You showed A\u2660 Q\u2663 \u2014 Pair", true},
                                           {10, "Ann won $2810", false},
                                           {11, "Uncalled $95 returned to You", true}}));
    EXPECT_EQ(ActionLogStreet::flattenedTexts(lost, 2), "Ann won $2810 \u2022 Uncalled $95 returned to You");

    // Won as well: the return keeps its own line instead of swelling the win.
    const auto won = ActionLog::build(shoveOverAShortCall("human"), names);
    EXPECT_EQ(ActionLogStreet::flattenedTexts(won, 2), "You won $2810 \u2022 Uncalled $95 returned to You");

    // A walk: the big blind's 5 that the small blind did not match are his own.
    const auto walk = ActionLog::build({E::BlindPosted{"bot-1", BlindKind::small, 5},
                                        E::BlindPosted{"human", BlindKind::big, 10},
                                        act("bot-1", PlayerActionType::fold, 0), E::PotAwarded{"human", 15, 0}},
                                       names);
    EXPECT_EQ(walk.back().entries, (std::vector<ActionLogEntry>{{3, "You won $10", true},
                                                                {-4, "Uncalled $5 returned to You", true}}));
}

TEST(ActionLogBuild, HugeAmountsSaturate) {
    const auto log = ActionLog::build(
        {E::BlindPosted{"bot-1", BlindKind::big, INT64_MAX}, act("bot-1", PlayerActionType::raise, INT64_MAX),
         E::PotAwarded{"bot-1", INT64_MAX, 0}, E::PotAwarded{"bot-1", 1, 1}},
        names);
    EXPECT_EQ(log[0].entries[1].text, "Ann raised to $9223372036854775807");
    EXPECT_EQ(log[1].entries[0].text, "Ann won $9223372036854775807");
}

TEST(ActionLogTicker, KeepsTheLastEntries) {
    const auto log = ActionLog::build(foldedHand(), names);
    EXPECT_EQ(ActionLogStreet::flattenedTexts(log, 2), "Ann won $60 \u2022 Uncalled $40 returned to Ann");
    EXPECT_EQ(ActionLogStreet::flattenedTexts(log, 1), "Uncalled $40 returned to Ann");
    EXPECT_EQ(ActionLogStreet::flattenedTexts(log, 0), std::nullopt);
    EXPECT_EQ(ActionLogStreet::flattenedTexts(log, -3), std::nullopt);
    EXPECT_EQ(ActionLogStreet::flattenedTexts(log, 100)->rfind(
                  "Ann posted the small blind $5 \u2022 You posted", 0),
              0u);
    EXPECT_EQ(ActionLogStreet::flattenedTexts({}, 2), std::nullopt);
    EXPECT_EQ(ActionLogStreet::flattenedTexts({{"flop", "Flop", {c(Rank::two, Suit::clubs)}, {}}}, 2),
              std::nullopt);
}

// The log follows the board on screen: a run-out shows no showdown and no winner before its last card.
TEST(ActionLogTicker, RevealedUpToFollowsTheBoardOnScreen) {
    const auto log = ActionLog::build(allInRunOut(), names);
    const auto ids = [&](std::int64_t revealed) {
        std::vector<std::string> out;
        for (const auto& street : ActionLogStreet::revealedUpTo(log, revealed))
            out.push_back(street.id);
        return out;
    };
    using Ids = std::vector<std::string>;
    EXPECT_EQ(ids(0), Ids{"preflop"});
    EXPECT_EQ(ids(2), Ids{"preflop"});
    EXPECT_EQ(ids(3), (Ids{"preflop", "flop"}));
    EXPECT_EQ(ids(4), (Ids{"preflop", "flop", "turn"}));
    EXPECT_EQ(ids(5), (Ids{"preflop", "flop", "turn", "river", "showdown"}));
    EXPECT_EQ(ActionLogStreet::revealedUpTo(log, 5), log);
    EXPECT_EQ(ActionLogStreet::flattenedTexts(ActionLogStreet::revealedUpTo(log, 4), 2),
              "You put in $500 \u2022 Ann called $500");

    // Folded out on the flop: the award comes with the flop that is on screen, and not before it.
    const auto folded = ActionLog::build(foldedHand(), names);
    EXPECT_EQ(ActionLogStreet::revealedUpTo(folded, 3), folded);
    EXPECT_EQ(ActionLogStreet::flattenedTexts(ActionLogStreet::revealedUpTo(folded, 1), 1), "You called $20");
    // Preflop only: nothing to wait for.
    const auto preflop = ActionLog::build(
        {E::HandStarted{1, 0}, E::BlindPosted{"bot-1", BlindKind::small, 5}, E::PotAwarded{"bot-1", 5, 0}},
        names);
    EXPECT_EQ(ActionLogStreet::revealedUpTo(preflop, 0), preflop);
    EXPECT_TRUE(ActionLogStreet::revealedUpTo({}, 5).empty());
}

TEST(ActionLogTicker, StreetTitles) {
    const auto& titles = ActionLogStreet::streetTitles();
    EXPECT_EQ(titles.at(Street::preflop), "Preflop");
    EXPECT_EQ(titles.at(Street::flop), "Flop");
    EXPECT_EQ(titles.at(Street::turn), "Turn");
    EXPECT_EQ(titles.at(Street::river), "River");
    EXPECT_EQ(titles.at(Street::showdown), "Showdown");
}

}  // namespace
}  // namespace pellox
