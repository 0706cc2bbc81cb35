#include <gtest/gtest.h>

#include "kit/PlayingCardView.hpp"

namespace pellox::app {
namespace {

using CardSize = PlayingCardView::CardSize;

Card card(Rank rank, Suit suit) {
    return Card{rank, suit};
}

TEST(PlayingCardView, SpokenNamesReadRankThenSuit) {
    EXPECT_EQ(spokenName(card(Rank::two, Suit::clubs)), "Two of clubs");
    EXPECT_EQ(spokenName(card(Rank::ten, Suit::hearts)), "Ten of hearts");
    EXPECT_EQ(spokenName(card(Rank::ace, Suit::spades)), "Ace of spades");
    EXPECT_EQ(spokenName(card(Rank::jack, Suit::diamonds)), "Jack of diamonds");
    const char* ranks[] = {"Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                           "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
    for (Rank r : allRanks())
        EXPECT_EQ(spokenName(card(r, Suit::spades)), QString(ranks[value(r) - 2]) + " of spades");
    // Not a card the deck deals, but spoken rather than crashing.
    EXPECT_EQ(spokenName(Card{static_cast<Rank>(15), Suit::clubs}), "15 of clubs");
}

TEST(PlayingCardView, TheTenShowsTwoDigitsEveryOtherRankItsSymbol) {
    EXPECT_EQ(PlayingCardView::rankText(Rank::ten), "10");
    for (Rank r : allRanks()) {
        if (r == Rank::ten) continue;
        EXPECT_EQ(PlayingCardView::rankText(r), QString::fromStdString(symbol(r)));
    }
    EXPECT_EQ(PlayingCardView::suitGlyph(Suit::clubs), QString(QChar(0x2663)));
    EXPECT_EQ(PlayingCardView::suitGlyph(Suit::diamonds), QString(QChar(0x2666)));
    EXPECT_EQ(PlayingCardView::suitGlyph(Suit::hearts), QString(QChar(0x2665)));
    EXPECT_EQ(PlayingCardView::suitGlyph(Suit::spades), QString(QChar(0x2660)));
}

TEST(PlayingCardView, SuitColoursOfBothDecks) {
    QColor red = QColor::fromRgbF(0.72f, 0.16f, 0.16f);
    QColor black = Qt::black;
    EXPECT_EQ(PlayingCardView::suitColor(Suit::clubs, false), black);
    EXPECT_EQ(PlayingCardView::suitColor(Suit::spades, false), black);
    EXPECT_EQ(PlayingCardView::suitColor(Suit::diamonds, false), red);
    EXPECT_EQ(PlayingCardView::suitColor(Suit::hearts, false), red);

    EXPECT_EQ(PlayingCardView::suitColor(Suit::clubs, true), QColor::fromRgbF(0.10f, 0.45f, 0.24f));
    EXPECT_EQ(PlayingCardView::suitColor(Suit::diamonds, true), QColor::fromRgbF(0.11f, 0.35f, 0.72f));
    EXPECT_EQ(PlayingCardView::suitColor(Suit::hearts, true), red);
    EXPECT_EQ(PlayingCardView::suitColor(Suit::spades, true), black);
}

TEST(PlayingCardView, SizesFollowTheScale) {
    EXPECT_EQ(PlayingCardView::frameSize(CardSize::seat, 1), QSizeF(34, 48));
    EXPECT_EQ(PlayingCardView::frameSize(CardSize::board, 1), QSizeF(40, 56));
    EXPECT_EQ(PlayingCardView::frameSize(CardSize::seat, 0.5), QSizeF(17, 24));
    EXPECT_EQ(PlayingCardView::frameSize(CardSize::board, 0.5), QSizeF(20, 28));
    EXPECT_DOUBLE_EQ(PlayingCardView::cornerRadius * 0.5, 3);
    EXPECT_DOUBLE_EQ(PlayingCardView::rankTextSize(CardSize::seat, 1), 17);
    EXPECT_DOUBLE_EQ(PlayingCardView::rankTextSize(CardSize::board, 1), 20);
    EXPECT_DOUBLE_EQ(PlayingCardView::rankTextSize(CardSize::board, 1) * PlayingCardView::suitTextRatio, 16);
    EXPECT_EQ(PlayingCardView(std::nullopt, CardSize::board, false, 1.5).size(), QSizeF(60, 84));
}

TEST(PlayingCardView, AccessibilityLabelOfFaceAndBack) {
    EXPECT_EQ(PlayingCardView(card(Rank::king, Suit::hearts), CardSize::seat, true, 1).accessibilityLabel(),
              "King of hearts");
    EXPECT_EQ(PlayingCardView(std::nullopt, CardSize::seat, true, 1).accessibilityLabel(), "Face down card");
}

}  // namespace
}  // namespace pellox::app
