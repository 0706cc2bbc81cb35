#include "view/ReplayView.hpp"

#include <gtest/gtest.h>

#include "store/HandRecord.hpp"

namespace pellox {
namespace {

using E = EngineEvent;

Card c(Rank r, Suit s) {
    return Card{r, s};
}

E act(const std::string& id, PlayerActionType type, std::int64_t putIn) {
    return E::ActionTaken{id, PlayerAction{type, std::nullopt}, type, putIn};
}

GradedDecision grade(bool agreed) {
    GradedDecision d;
    d.agreed = agreed;
    return d;
}

HandRecord showdownHand() {
    HandRecord r;
    r.id = "7-99";
    r.handNumber = 7;
    r.dealerSeatIndex = 2;
    r.seats = {{"human", "You", 0, 1000}, {"bot-1", "Ann", 1, 1000}, {"bot-2", "Bo", 2, 1000}};
    r.humanHoleCards = {c(Rank::ace, Suit::spades), c(Rank::king, Suit::spades)};
    r.events = {
        E::HandStarted{7, 2},
        E::BlindPosted{"human", BlindKind::small, 5},
        E::BlindPosted{"bot-1", BlindKind::big, 10},
        E::HoleCardsDealt{"human"},
        E::HoleCardsDealt{"bot-1"},
        E::HoleCardsDealt{"bot-2"},
        act("bot-2", PlayerActionType::fold, 0),
        act("human", PlayerActionType::call, 5),
        act("bot-1", PlayerActionType::check, 0),
        E::StreetDealt{
            Street::flop,
            {c(Rank::two, Suit::spades), c(Rank::seven, Suit::diamonds), c(Rank::jack, Suit::spades)}},
        act("human", PlayerActionType::bet, 20),
        act("bot-1", PlayerActionType::raise, 60),
        act("human", PlayerActionType::call, 40),
        E::StreetDealt{Street::turn, {c(Rank::nine, Suit::spades)}},
        act("human", PlayerActionType::check, 0),
        act("bot-1", PlayerActionType::check, 0),
        E::StreetDealt{Street::river, {c(Rank::ten, Suit::clubs)}},
        act("human", PlayerActionType::allIn, 930),
        act("bot-1", PlayerActionType::call, 930),
        E::ShowdownRevealed{
            "bot-1", {c(Rank::queen, Suit::hearts), c(Rank::queen, Suit::diamonds)}, "Three of a Kind"},
        E::ShowdownRevealed{"human", {c(Rank::ace, Suit::spades), c(Rank::king, Suit::spades)}, "Flush"},
        E::PotAwarded{"human", 2000, 0}};
    r.grades = {grade(true), grade(false), grade(true), grade(true)};
    return r;
}

std::vector<std::string> captions(const HandRecord& r) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < r.events.size(); ++i)
        out.push_back(ReplayView(r, static_cast<std::int64_t>(i)).caption);
    return out;
}

TEST(ReplayViewFrames, CaptionsOfAWholeHand) {
    const std::vector<std::string> expected{"Hand 7 begins",
                                            "You post the small blind (5)",
                                            "Ann posts the big blind (10)",
                                            "You are dealt in",
                                            "Ann is dealt in",
                                            "Bo is dealt in",
                                            "Bo folds",
                                            "You call 5",
                                            "Ann checks",
                                            "Flop: 2\u2660 7\u2666 J\u2660",
                                            "You bet 20",
                                            "Ann raises, putting in 60",
                                            "You call 40",
                                            "Turn: 9\u2660",
                                            "You check",
                                            "Ann checks",
                                            "River: 10\u2663",
                                            "You act",
                                            "Ann calls 930",
                                            "Ann shows Q\u2665 Q\u2666 (Three of a Kind)",
                                            "You show A\u2660 K\u2660 (Flush)",
                                            "You win 2000"};
    EXPECT_EQ(captions(showdownHand()), expected);
}

// Ann calls the human's river shove all in for 50 less: those 50 come back to the human after the contested
// pot, as a pot of their own.
HandRecord shoveOverAShortCall(const std::string& contestedWinner) {
    HandRecord r = showdownHand();
    r.seats[1].startingStack = 950;
    r.events[18] = act("bot-1", PlayerActionType::call, 880);
    r.events.back() = E::PotAwarded{contestedWinner, 1900, 0};
    r.events.push_back(E::PotAwarded{"human", 50, 1});
    return r;
}

TEST(ReplayViewFrames, AnUnmatchedBetHandedBackIsCaptionedAsAReturn) {
    const HandRecord lost = shoveOverAShortCall("bot-1");
    EXPECT_EQ(ReplayView(lost, 21).caption, "Ann wins 1900");
    const ReplayView last(lost, 22);
    EXPECT_EQ(last.caption, "Uncalled 50 returned to You");
    EXPECT_EQ(last.seats[0].stack, 50);

    const HandRecord won = shoveOverAShortCall("human");
    EXPECT_EQ(ReplayView(won, 21).caption, "You win 1900");
    EXPECT_EQ(ReplayView(won, 22).caption, "Uncalled 50 returned to You");

    // Folded to on the river: the 100 Ann did not call come back inside the award of the whole pot.
    HandRecord foldedTo = showdownHand();
    foldedTo.events.resize(17);
    foldedTo.events.push_back(act("human", PlayerActionType::bet, 100));
    foldedTo.events.push_back(act("bot-1", PlayerActionType::fold, 0));
    foldedTo.events.push_back(E::PotAwarded{"human", 240, 0});
    const ReplayView end(foldedTo, 19);
    EXPECT_EQ(end.caption, "You win 140 \u00b7 Uncalled 100 returned to You");
    EXPECT_EQ(end.seats[0].stack, 1070);
    EXPECT_EQ(end.potSize, 0);
}

TEST(ReplayViewFrames, StepsAreClamped) {
    const HandRecord r = showdownHand();
    const ReplayView first(r, -5);
    EXPECT_EQ(first.step, 0);
    EXPECT_EQ(first.totalSteps, 22);
    EXPECT_EQ(first.caption, "Hand 7 begins");
    EXPECT_EQ(first.potSize, 0);
    EXPECT_TRUE(first.board.empty());
    const std::vector<ReplaySeatView> seats{{"human", "You", 1000, false, r.humanHoleCards, false},
                                            {"bot-1", "Ann", 1000, false, std::nullopt, false},
                                            {"bot-2", "Bo", 1000, false, std::nullopt, true}};
    EXPECT_EQ(first.seats, seats);
    EXPECT_EQ(ReplayView(r, 1000), ReplayView(r, 21));
    EXPECT_EQ(ReplayView(r, 1000).step, 21);
    EXPECT_EQ(ReplayView(r, INT64_MIN).step, 0);
}

TEST(ReplayViewFrames, StacksPotFoldsAndBoardFollowTheEvents) {
    const HandRecord r = showdownHand();
    const ReplayView blinds(r, 2);
    EXPECT_EQ(blinds.potSize, 15);
    EXPECT_EQ(blinds.seats[0].stack, 995);
    EXPECT_EQ(blinds.seats[1].stack, 990);

    const ReplayView fold(r, 6);
    EXPECT_TRUE(fold.seats[2].folded);
    EXPECT_FALSE(ReplayView(r, 5).seats[2].folded);

    const ReplayView flop(r, 12);
    EXPECT_EQ(flop.board.size(), 3u);
    EXPECT_EQ(flop.potSize, 140);
    EXPECT_EQ(flop.seats[0].stack, 930);
    EXPECT_EQ(flop.seats[1].stack, 930);
    EXPECT_EQ(ReplayView(r, 16).board.size(), 5u);

    const ReplayView beforeAward(r, 20);
    EXPECT_EQ(beforeAward.potSize, 2000);
    EXPECT_EQ(beforeAward.seats[0].stack, 0);

    const ReplayView end(r, 21);
    EXPECT_EQ(end.potSize, 0);
    EXPECT_EQ(end.seats[0].stack, 2000);
    EXPECT_EQ(end.seats[1].stack, 0);
    EXPECT_EQ(end.seats[2].stack, 1000);
    EXPECT_EQ(end.board, (std::vector<Card>{c(Rank::two, Suit::spades), c(Rank::seven, Suit::diamonds),
                                            c(Rank::jack, Suit::spades), c(Rank::nine, Suit::spades),
                                            c(Rank::ten, Suit::clubs)}));
}

TEST(ReplayViewFrames, ShowdownRevealsFromItsStepOn) {
    const HandRecord r = showdownHand();
    EXPECT_EQ(ReplayView(r, 18).seats[1].knownCards, std::nullopt);
    const std::vector<Card> queens{c(Rank::queen, Suit::hearts), c(Rank::queen, Suit::diamonds)};
    EXPECT_EQ(ReplayView(r, 19).seats[1].knownCards, queens);
    EXPECT_EQ(ReplayView(r, 21).seats[1].knownCards, queens);
    EXPECT_EQ(ReplayView(r, 21).seats[2].knownCards, std::nullopt);
}

TEST(ReplayViewFrames, HumanActionsPairWithGrades) {
    HandRecord r = showdownHand();
    std::vector<std::optional<std::int64_t>> indices;
    for (std::int64_t s = 0; s < 22; ++s)
        indices.push_back(ReplayView(r, s).gradeIndex);
    std::vector<std::optional<std::int64_t>> expected(22);
    expected[7] = 0;
    expected[10] = 1;
    expected[12] = 2;  // the human's third action
    expected[14] = 3;
    // The fifth action (the all-in at step 17) has no fifth grade.
    EXPECT_EQ(indices, expected);

    r.grades.clear();
    for (std::int64_t s = 0; s < 22; ++s)
        EXPECT_EQ(ReplayView(r, s).gradeIndex, std::nullopt);
}

TEST(ReplayViewFrames, EmptyRecordShowsTheStartingTable) {
    HandRecord r = showdownHand();
    r.events.clear();
    for (std::int64_t step : {0, -3, 5}) {
        const ReplayView v(r, step);
        EXPECT_EQ(v.step, 0);
        EXPECT_EQ(v.totalSteps, 0);
        EXPECT_EQ(v.seats.size(), 3u);
        for (const auto& seat : v.seats) {
            EXPECT_EQ(seat.stack, 1000);
            EXPECT_FALSE(seat.folded);
        }
        EXPECT_TRUE(v.board.empty());
        EXPECT_EQ(v.potSize, 0);
        EXPECT_EQ(v.caption, "");
        EXPECT_EQ(v.gradeIndex, std::nullopt);
    }
    r.seats.clear();
    EXPECT_TRUE(ReplayView(r, 0).seats.empty());
}

TEST(ReplayViewFrames, UnseatedPlayersAndRecordsWithoutTheHuman) {
    HandRecord r;
    r.seats = {{"bot-1", "Ann", 3, 500}};
    r.dealerSeatIndex = 3;
    r.humanHoleCards = {c(Rank::two, Suit::clubs), c(Rank::three, Suit::clubs)};
    r.events = {E::HandStarted{1, 3}, E::BlindPosted{"bot-9", BlindKind::ante, 5},
                E::PotAwarded{"bot-9", 5, 0}};
    const ReplayView ante(r, 1);
    EXPECT_EQ(ante.caption, "bot-9 posts the ante (5)");
    EXPECT_EQ(ante.potSize, 5);
    ASSERT_EQ(ante.seats.size(), 1u);
    EXPECT_EQ(ante.seats[0], (ReplaySeatView{"bot-1", "Ann", 500, false, std::nullopt, true}));
    EXPECT_EQ(ReplayView(r, 2).potSize, 0);
}

TEST(ReplayViewFrames, HugeStoredAmountsSaturate) {
    HandRecord r;
    r.seats = {{"bot-1", "Ann", 0, INT64_MAX}, {"bot-2", "Bo", 1, INT64_MIN}};
    r.events = {E::BlindPosted{"bot-2", BlindKind::big, INT64_MAX},
                act("bot-1", PlayerActionType::call, INT64_MIN), E::PotAwarded{"bot-1", INT64_MAX, 0},
                E::PotAwarded{"bot-2", INT64_MIN, 0}};
    for (std::int64_t s = 0; s < 4; ++s)
        (void)ReplayView(r, s);
    EXPECT_EQ(ReplayView(r, 0).seats[1].stack, INT64_MIN);
    EXPECT_EQ(ReplayView(r, 0).potSize, INT64_MAX);
    EXPECT_EQ(ReplayView(r, 2).seats[0].stack, INT64_MAX);
}

TEST(ReplayViewNarration, EveryFormOfTheVerb) {
    const PlayerNameSource you = [](std::string_view) { return std::string("You"); };
    const PlayerNameSource ann = [](std::string_view) { return std::string("Ann"); };
    auto both = [&](const EngineEvent& e) {
        return std::pair{ReplayView::narration(e, you), ReplayView::narration(e, ann)};
    };
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(both(E::BlindPosted{"x", BlindKind::big, 100}),
              (P{"You post the big blind (100)", "Ann posts the big blind (100)"}));
    EXPECT_EQ(both(E::BlindPosted{"x", BlindKind::ante, 25}),
              (P{"You post the ante (25)", "Ann posts the ante (25)"}));
    EXPECT_EQ(both(E::HoleCardsDealt{"x"}), (P{"You are dealt in", "Ann is dealt in"}));
    EXPECT_EQ(both(act("x", PlayerActionType::fold, 0)), (P{"You fold", "Ann folds"}));
    EXPECT_EQ(both(act("x", PlayerActionType::check, 0)), (P{"You check", "Ann checks"}));
    EXPECT_EQ(both(act("x", PlayerActionType::call, 15)), (P{"You call 15", "Ann calls 15"}));
    EXPECT_EQ(both(act("x", PlayerActionType::bet, 40)), (P{"You bet 40", "Ann bets 40"}));
    EXPECT_EQ(both(act("x", PlayerActionType::raise, 90)),
              (P{"You raise, putting in 90", "Ann raises, putting in 90"}));
    EXPECT_EQ(both(act("x", PlayerActionType::allIn, 700)), (P{"You act", "Ann acts"}));
    EXPECT_EQ(both(E::PotAwarded{"x", 300, 1}), (P{"You win 300", "Ann wins 300"}));
    EXPECT_EQ(both(E::PlayerEliminated{"x"}), (P{"You are eliminated", "Ann is eliminated"}));
    EXPECT_EQ(
        both(E::ShowdownRevealed{"x", {c(Rank::ten, Suit::hearts), c(Rank::ace, Suit::clubs)}, "High Card"}),
        (P{"You show 10\u2665 A\u2663 (High Card)", "Ann shows 10\u2665 A\u2663 (High Card)"}));
    // The caption follows the resolved type, not the submitted one.
    EXPECT_EQ(ReplayView::narration(
                  E::ActionTaken{"x", {PlayerActionType::allIn, {}}, PlayerActionType::call, 50}, ann),
              "Ann calls 50");
    // Only the exact name "You" takes the second person.
    const PlayerNameSource lower = [](std::string_view) { return std::string("you"); };
    EXPECT_EQ(ReplayView::narration(act("x", PlayerActionType::fold, 0), lower), "you folds");
}

TEST(ReplayViewNarration, StreetTitles) {
    EXPECT_EQ(ReplayView::narration(E::StreetDealt{Street::preflop, {c(Rank::two, Suit::clubs)}}, {}),
              "preflop: 2\u2663");
    EXPECT_EQ(ReplayView::narration(E::StreetDealt{Street::showdown, {}}, {}), "Showdown: ");
    EXPECT_EQ(ReplayView::narration(E::StreetDealt{Street::river, {c(Rank::king, Suit::diamonds)}}, {}),
              "River: K\u2666");
    EXPECT_EQ(ReplayView::narration(E::HandStarted{12, 0}, {}), "Hand 12 begins");
    EXPECT_EQ(ReplayView::streetTitles().count(Street::preflop), 0u);
    EXPECT_EQ(ReplayView::streetTitles().size(), 4u);
}

}  // namespace
}  // namespace pellox
