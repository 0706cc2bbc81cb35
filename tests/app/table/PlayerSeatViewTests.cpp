#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "rules/Player.hpp"
#include "strategy/MadeHandAssessment.hpp"
#include "table/PlayerSeatView.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

const Palette& palette = Palette::cardRoom();

Player bot() {
    Player p;
    p.id = "bot-1";
    p.name = "Nitty Nick";
    p.isBot = true;
    p.stack = 940;
    p.position = Position::co;
    p.seatIndex = 3;
    p.holeCards = {Card{Rank::ace, Suit::spades}, Card{Rank::king, Suit::hearts}};
    return p;
}

Player human() {
    Player p = bot();
    p.id = "human";
    p.name = "You";
    p.isBot = false;
    p.position = Position::bb;
    return p;
}

const std::vector<Card> flop{Card{Rank::ace, Suit::hearts}, Card{Rank::seven, Suit::clubs},
                             Card{Rank::two, Suit::diamonds}};

PlayerSeatView seat(const Player& p) {
    return PlayerSeatView{.player = p, .cardsLanded = 2};
}

TEST(PlayerSeatView, OnePillByPrecedence) {
    Player p = human();
    p.hasFolded = true;
    p.isAllIn = true;
    p.streetContribution = 40;
    EXPECT_EQ(seat(p).statusBadge(palette),
              (PlayerSeatView::StatusPill{"Folded", palette.seatEmpty, palette.textMuted}));
    p.hasFolded = false;
    EXPECT_EQ(seat(p).statusBadge(palette),
              (PlayerSeatView::StatusPill{"All In", palette.allInBtn, Qt::white}));
    p.isAllIn = false;
    EXPECT_EQ(seat(p).statusBadge(palette), (PlayerSeatView::StatusPill{"$40", palette.success, Qt::white}));
    p.streetContribution = 0;
    EXPECT_EQ(seat(p).statusBadge(palette), std::nullopt);  // preflop: no made hand yet
    PlayerSeatView onFlop = seat(p);
    onFlop.board = flop;
    auto made = onFlop.statusBadge(palette);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->fill, palette.accentSoft);
    EXPECT_EQ(made->textColor, palette.accent);
    EXPECT_TRUE(made->text.contains("Pair")) << made->text.toStdString();
}

TEST(PlayerSeatView, AHiddenBotShowsNoMadeHandUntilRevealed) {
    Player p = bot();
    PlayerSeatView hidden = seat(p);
    hidden.board = flop;
    EXPECT_TRUE(hidden.holeCardsHidden());
    EXPECT_FALSE(hidden.faceUp());
    EXPECT_EQ(hidden.statusBadge(palette), std::nullopt);
    p.streetContribution = 15;
    EXPECT_EQ(seat(p).statusBadge(palette)->text, "$15");  // chips in show even when the cards are hidden
    p.streetContribution = 0;
    PlayerSeatView revealed = seat(p);
    revealed.board = flop;
    revealed.revealHoleCards = true;
    EXPECT_TRUE(revealed.faceUp());
    EXPECT_TRUE(revealed.statusBadge(palette).has_value());
}

TEST(PlayerSeatView, DescriptionOfTheHumanHoldingCards) {
    Player p = human();
    PlayerSeatView view = seat(p);
    EXPECT_EQ(view.accessibilityDescription(),
              "You, Big Blind, $940, holding Ace of spades and King of hearts");
    view.cardsLanded = 1;
    EXPECT_EQ(view.accessibilityDescription(), "You, Big Blind, $940, holding Ace of spades");
    view.cardsLanded = 7;
    EXPECT_EQ(view.accessibilityDescription(),
              "You, Big Blind, $940, holding Ace of spades and King of hearts");
    view.cardsLanded = -1;
    EXPECT_EQ(view.accessibilityDescription(), "You, Big Blind, $940");
    view.cardsLanded = 0;
    view.board = flop;  // every hole card counts for the made hand, landed or not
    std::string made = MadeHandAssessment::label(p.holeCards, flop).value();
    EXPECT_EQ(view.accessibilityDescription(), "You, Big Blind, $940, " + QString::fromStdString(made));
}

TEST(PlayerSeatView, DescriptionOfABotBeforeAndAfterTheReveal) {
    Player p = bot();
    PlayerSeatView view = seat(p);
    view.board = flop;
    view.isActing = true;
    EXPECT_EQ(view.accessibilityDescription(), "Nitty Nick, Cutoff, $940, acting now");
    view.revealHoleCards = true;
    view.isActing = false;
    QString description = view.accessibilityDescription();
    EXPECT_TRUE(
        description.startsWith("Nitty Nick, Cutoff, $940, showing Ace of spades and King of hearts, "))
        << description.toStdString();
}

TEST(PlayerSeatView, DescriptionStatesInOrder) {
    Player p = bot();
    p.holeCards.clear();
    p.hasFolded = true;
    p.isAllIn = true;
    p.streetContribution = 25;
    PlayerSeatView view = seat(p);
    view.winnerAmount = 310;
    view.isDealer = true;
    view.isActing = true;
    view.revealHoleCards = true;
    EXPECT_EQ(view.accessibilityDescription(),
              "Nitty Nick, Cutoff, $940, folded, all in, bet $25, won $310, has the button, acting now");
    p.position = Position::btn;
    EXPECT_EQ(seat(p).accessibilityDescription(), "Nitty Nick, Dealer, $940, folded, all in, bet $25");
    PlayerSeatView dealer = seat(p);
    dealer.isDealer = true;
    EXPECT_FALSE(dealer.accessibilityDescription().contains("has the button"));
}

TEST(PlayerSeatView, BorderOfWinnerActingAndRest) {
    Player p = human();
    PlayerSeatView view = seat(p);
    EXPECT_EQ(view.border(palette), (PlayerSeatView::Border{palette.border, 1}));
    view.isActing = true;
    QColor acting = palette.accent;
    acting.setAlphaF(0.9f);
    EXPECT_EQ(view.border(palette).width, 2);
    EXPECT_NEAR(view.border(palette).color.alphaF(), 0.9, 1e-3);
    EXPECT_EQ(view.border(palette).color.rgb(), palette.accent.rgb());
    view.winnerAmount = 80;
    EXPECT_EQ(view.border(palette), (PlayerSeatView::Border{palette.accent, 2}));
}

TEST(PlayerSeatView, TextsOfStackPositionAndWinner) {
    Player p = human();
    p.stack = 1500;
    p.position = Position::utg1;
    PlayerSeatView view = seat(p);
    EXPECT_EQ(view.stackText(), "$1500");
    EXPECT_EQ(view.positionText(), "Under the Gun 2");
    EXPECT_EQ(view.winnerText(), std::nullopt);
    view.winnerAmount = 12345;
    EXPECT_EQ(view.winnerText(), "+$12345");
    EXPECT_EQ(PlayerSeatView::winnerText(0), "+$0");
}

// A pot won but not yet shown coming: the stack reads as before the award, aloud too.
TEST(PlayerSeatView, WinningsHeldBackLeaveTheStackAsItWas) {
    Player p = human();
    p.stack = 1500;
    PlayerSeatView view = seat(p);
    view.heldBackWinnings = 660;
    EXPECT_EQ(view.stackText(), "$840");
    EXPECT_TRUE(view.accessibilityDescription().contains(", $840, "));
    EXPECT_FALSE(view.accessibilityDescription().contains("$1500"));
}

// The badge is as wide as its text: a longer amount makes a wider badge over the same centre.
TEST(PlayerSeatView, TheWinnerBadgeFitsItsAmount) {
    PlayerSeatView view = seat(human());
    const QRectF box(100, 200, 96, 156);
    const QRectF narrow = view.winnerBadgeRect(box, 5);
    const QRectF wide = view.winnerBadgeRect(box, 123456789);
    EXPECT_GT(wide.width(), narrow.width());
    EXPECT_DOUBLE_EQ(wide.center().x(), narrow.center().x());
}

TEST(PlayerSeatView, AnEliminatedPlayerShowsNoPosition) {
    Player p = bot();
    p.position = Position::btn;
    p.isEliminated = true;
    p.stack = 0;
    PlayerSeatView view = seat(p);
    view.cardsLanded = 0;
    EXPECT_EQ(view.positionText(), "");
    EXPECT_EQ(view.accessibilityDescription(), "Nitty Nick, $0");
}

TEST(PlayerSeatView, WinnerBadgeAndDealerButtonOverhangTheSeat) {
    Player p = human();
    QRectF box(100, 200, 96, 156);
    PlayerSeatView view = seat(p);
    view.winnerAmount = 80;
    EXPECT_DOUBLE_EQ(PlayerSeatView::winnerBadgeLift(1), 8);
    EXPECT_DOUBLE_EQ(PlayerSeatView::winnerBadgeLift(0.5), 7);
    EXPECT_DOUBLE_EQ(PlayerSeatView::winnerBadgeLift(1.5), 8);
    QRectF badge = view.winnerBadgeRect(box);
    EXPECT_DOUBLE_EQ(badge.top(), 192);
    EXPECT_DOUBLE_EQ(badge.center().x(), box.center().x());

    QRectF half(100, 200, 48, 78);
    PlayerSeatView small = seat(p);
    small.scale = 0.5;
    small.winnerAmount = 80;
    EXPECT_DOUBLE_EQ(small.winnerBadgeRect(half).top(), 193);

    QRectF button = view.dealerButtonRect(box);
    EXPECT_EQ(button, QRectF(196 - 18 + 6, 194, 18, 18));
    view.dragOffset = -30;
    EXPECT_EQ(view.dealerButtonRect(box).top(), 164);
    EXPECT_EQ(view.frame(box), box.translated(0, -30));
}

TEST(PlayerSeatView, HoleCardsSitSideBySideAcrossTheCentre) {
    Player p = human();
    QRectF box(0, 0, 96, 156);
    PlayerSeatView view = seat(p);
    QPointF first = view.holeCardCentre(box, 0);
    QPointF second = view.holeCardCentre(box, 1);
    EXPECT_DOUBLE_EQ(second.x() - first.x(), 34 + 3);
    EXPECT_DOUBLE_EQ((first.x() + second.x()) / 2, 48);
    EXPECT_DOUBLE_EQ(first.y(), second.y());
    EXPECT_GT(first.y() - 24, 6);  // below the top padding
}

// The first row, going down from the seat's top, where the empty card places begin.
int placeholderTop(const Player& p, const QRectF& box) {
    QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    seat(p).paint(painter, box, palette, {});
    painter.end();
    int x = static_cast<int>(box.center().x() - 20);
    QColor panel = image.pixelColor(x, static_cast<int>(box.top()) + 4);
    for (int y = static_cast<int>(box.top()) + 4; y < box.bottom(); ++y)
        if (image.pixelColor(x, y) != panel) return y;
    return -1;
}

TEST(PlayerSeatView, EmptyPlacesFollowTheRowsBelowThem) {
    Player shortName = bot();
    shortName.holeCards.clear();
    shortName.name = "Mo";
    Player longName = shortName;
    longName.name = "Riverboat Raymond Ray";  // wraps to more lines, so the whole column starts higher
    QRectF box(20, 20, 96, 156);
    int first = placeholderTop(shortName, box);
    int second = placeholderTop(longName, box);
    EXPECT_GT(first, 20);
    EXPECT_LT(second, first);
}

TEST(PlayerSeatView, DragFollowsOnlyUpwardWhenTheSeatMayFold) {
    EXPECT_EQ(PlayerSeatView::dragChanged(-30, true), -30);
    EXPECT_EQ(PlayerSeatView::dragChanged(12, true), std::nullopt);
    EXPECT_EQ(PlayerSeatView::dragChanged(0, true), std::nullopt);
    EXPECT_EQ(PlayerSeatView::dragChanged(-100, false), std::nullopt);
}

TEST(PlayerSeatView, DragEndFoldsPastTheThresholdCountingWhereItWasHeading) {
    using End = PlayerSeatView::DragEnd;
    EXPECT_EQ(PlayerSeatView::dragEnded(-40, -80, true), (End{true, -220}));
    EXPECT_EQ(PlayerSeatView::dragEnded(-40, -20, true), (End{false, 0}));
    EXPECT_EQ(PlayerSeatView::dragEnded(-55, -55, true), (End{false, 0}));
    EXPECT_EQ(PlayerSeatView::dragEnded(-60, -60, true), (End{true, -220}));
    EXPECT_EQ(PlayerSeatView::dragEnded(-200, -150, true), (End{true, -320}));
    EXPECT_EQ(PlayerSeatView::dragEnded(-100, -300, false), (End{false, 0}));
    EXPECT_DOUBLE_EQ(PlayerSeatView::flingOffset(-60), -220);
    EXPECT_DOUBLE_EQ(PlayerSeatView::flingOffset(-200), -320);
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

// How much of the badge shows: pixels painted above the seat's top edge.
int badgePixels(const PlayerSeatView& view, std::optional<PlayerSeatView::WinnerBadgePose> pose) {
    const QRectF box(20, 40, 96, 156);
    QImage image(160, 220, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    view.paint(painter, box, palette, {}, pose);
    painter.end();
    int count = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != QColor(Qt::black) ? 1 : 0;
    return count;
}

TEST(PlayerSeatView, TheWinnerBadgeGrowsFromNothingAndKeepsItsAmountWhileItGoes) {
    Player p = human();
    PlayerSeatView winner = seat(p);
    winner.winnerAmount = 240;
    const int full = badgePixels(winner, PlayerSeatView::WinnerBadgePose{240, 1});
    EXPECT_GT(full, 100);
    EXPECT_EQ(badgePixels(winner, std::nullopt), 0);
    EXPECT_EQ(badgePixels(winner, PlayerSeatView::WinnerBadgePose{240, 0}), 0);
    const int half = badgePixels(winner, PlayerSeatView::WinnerBadgePose{240, 0.5});
    EXPECT_GT(half, 0);
    EXPECT_LT(half, full / 2);  // half the size each way
    // Going out after the next hand began: no winner any more, the badge still shows what was won.
    PlayerSeatView nextHand = seat(p);
    EXPECT_GT(badgePixels(nextHand, PlayerSeatView::WinnerBadgePose{240, 1}), 100);
    // Without a pose the badge stands in place while there is a winner (the replay's seats).
    QImage image(160, 220, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    winner.paint(painter, QRectF(20, 40, 96, 156), palette, {});
    painter.end();
    EXPECT_EQ(image.pixelColor(68, 40 - 8 + 2), palette.accent);
}

}  // namespace
}  // namespace pellox::app
