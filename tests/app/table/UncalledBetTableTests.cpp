// A bet nobody matched comes back to its owner, at a showdown or when everybody folds: the table tells it as
// his own chips returned, never as a win, in the banner, the winner badge, the seat's spoken text, the
// ticker, the report and the sound.
#include <gtest/gtest.h>

#include "Gallery.hpp"
#include "TableTestSupport.hpp"
#include "kit/TextBlock.hpp"
#include "rules/UncalledBet.hpp"
#include "table/ActionTickerView.hpp"
#include "table/HandReportCardView.hpp"
#include "table/PlayerSeatView.hpp"
#include "table/TableView.hpp"
#include "table/TableViewModel.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

using Sfx = Feedback::Sfx;
using testing::ScreenRig;

// Shown down: the human shoved 1500, Mia called all in for 1405; the 95 nobody matched came back to the
// human as the last pot. The engine's winners hold it as won by the human.
std::optional<TableState> shownDown(std::vector<Winner> winners) {
    TableState t(GameMode::cash, {{"human", "You", false, 1500}, {"bot-1", "Mia", true, 1405}}, 5, 10, 0);
    for (Player& p : t.players) {
        p.totalContribution = p.stack;
        p.stack = 0;
        p.isAllIn = true;
        p.holeCards = {Card{Rank::ace, Suit::spades}, Card{Rank::king, Suit::hearts}};
    }
    t.board = {Card{Rank::two, Suit::clubs}, Card{Rank::three, Suit::clubs}, Card{Rank::four, Suit::clubs},
               Card{Rank::nine, Suit::hearts}, Card{Rank::jack, Suit::hearts}};
    t.street = Street::showdown;
    t.winners = std::move(winners);
    return t;
}

PlayerSeatView seatOf(const std::optional<TableState>& t, std::string_view id) {
    return PlayerSeatView{.player = *t->player(id),
                          .revealHoleCards = true,
                          .winnerAmount = TableViewModel::winnerAmount(UncalledBet::winnersAsWon(*t), id),
                          .cardsLanded = 2};
}

TEST(UncalledBetOnTheFelt, AReturnIsNoWinOnBannerBadgeOrSpokenSeat) {
    const auto lost = shownDown({{"bot-1", 2810, "Two Pair"}, {"human", 95, "Pair"}});
    EXPECT_EQ(TableViewModel::bannerText(lost, 5, "human"), QStringLiteral("Mia wins $2810 (Two Pair)"));
    EXPECT_EQ(seatOf(lost, "bot-1").winnerText(), QStringLiteral("+$2810"));
    const PlayerSeatView human = seatOf(lost, "human");
    EXPECT_EQ(human.winnerAmount, std::nullopt);
    EXPECT_EQ(human.border(Palette::cardRoom()), (PlayerSeatView::Border{Palette::cardRoom().border, 1}));
    EXPECT_FALSE(human.accessibilityDescription().contains(QStringLiteral("won")));

    // Won as well: only the contested winnings show.
    const auto won = shownDown({{"human", 2905, "Flush"}});
    EXPECT_EQ(TableViewModel::bannerText(won, 5, "human"), QStringLiteral("You win $2810 (Flush)"));
    EXPECT_EQ(seatOf(won, "human").winnerText(), QStringLiteral("+$2810"));
    EXPECT_TRUE(seatOf(won, "human").accessibilityDescription().contains(QStringLiteral("won $2810")));
}

// A seeded hand on the screen: the human shoves 1000 into a bot's 300.
struct Shove {
    ScreenRig r;
    explicit Shove(std::int32_t gameRngState) {
        auto snapshot =
            pellox::testing::snapshotOf(pellox::testing::tableBetweenHands(GameMode::cash, {1000, 300}, 0));
        snapshot.gameRngState = gameRngState;
        r.session().restore(snapshot);
        r.open();
        EXPECT_TRUE(r.driveUntil([&] { return r.session().table()->handNumber == 1 && r.handShownOver(); },
                                 [&] { r.session().submitHumanAction(PlayerActionType::allIn); }));
        EXPECT_EQ(r.rig.stats.handHistory().size(), 1u);
    }
    QString banner() {
        return TableViewModel::bannerText(r.session().table(), r.screen->pacing().revealedBoardCount(), "human")
            .value_or(QString());
    }
    long wins() const { return std::count(r.feedback.played.begin(), r.feedback.played.end(), Sfx::win); }
};

TEST(UncalledBetOnTheFelt, ALostShoveReadsAsALossAllOverTheTable) {
    Shove called(3);  // deals the bot the better hand, and the bot calls
    ScreenRig& r = called.r;
    ASSERT_EQ(r.rig.stats.handHistory().front().humanNet, -300);
    const TableView& felt = r.screen->tableView();
    ASSERT_EQ(felt.seatCount(), 2);
    EXPECT_FALSE(felt.seatDescription(0).contains(QStringLiteral("won")));
    EXPECT_TRUE(felt.seatDescription(1).contains(QStringLiteral("won $600")));
    EXPECT_EQ(r.screen->handReportCard()->resultText()->text(), QStringLiteral("Bot 0 won with Pair"));
    EXPECT_EQ(r.screen->actionTicker()->recentText(),
              QStringLiteral("Bot 0 won $600 \u2022 Uncalled $700 returned to You"));
    EXPECT_EQ(called.wins(), 0);
    gallery::shoot("table-uncalled-bet", *r.screen, r.rig.settings);
}

// Folded to: the 980 nobody called are the human's own; he wins the bot's 20 and his matching 20.
TEST(UncalledBetOnTheFelt, AShoveFoldedToWinsOnlyWhatWasMatched) {
    Shove foldedTo(2);
    ScreenRig& r = foldedTo.r;
    ASSERT_EQ(r.rig.stats.handHistory().front().humanNet, 20);
    EXPECT_EQ(foldedTo.banner(), QStringLiteral("You win $40"));
    EXPECT_TRUE(r.screen->tableView().seatDescription(0).contains(QStringLiteral("won $40")));
    EXPECT_EQ(r.screen->actionTicker()->recentText(),
              QStringLiteral("You won $40 \u2022 Uncalled $980 returned to You"));
    EXPECT_EQ(r.screen->handReportCard()->resultText()->text(), QStringLiteral("You won the pot"));
    EXPECT_EQ(foldedTo.wins(), 1);
    gallery::shoot("table-folded-to", *r.screen, r.rig.settings);
}

}  // namespace
}  // namespace pellox::app
