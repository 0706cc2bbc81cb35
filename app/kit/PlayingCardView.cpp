#include "kit/PlayingCardView.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <array>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "kit/PictureCache.hpp"
#include "kit/TextFit.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {
constexpr double seatWidth = 34;
constexpr double seatHeight = 48;
constexpr double seatRankTextSize = 17;
constexpr double boardWidth = 40;
constexpr double boardHeight = 56;
constexpr double boardRankTextSize = 20;
constexpr double minTextScale = 0.5;

const std::array<const char*, 13>& rankSpokenNames() {
    static const std::array<const char*, 13> names{"Two",  "Three", "Four", "Five",  "Six",  "Seven", "Eight",
                                                   "Nine", "Ten",   "Jack", "Queen", "King", "Ace"};
    return names;
}

const std::array<const char*, 4>& suitSpokenNames() {
    static const std::array<const char*, 4> names{"clubs", "diamonds", "hearts", "spades"};
    return names;
}

// A blur reaches a little past twice its radius at small sizes: room enough that no shadow is cut.
constexpr double shadowSlack = 5;
// Every face and back at a few scales, in two decks and four themes, with room for a window being resized.
constexpr qsizetype pictureCapacity = 512;
constexpr double shadowOpacity = 0.35;
constexpr double shadowRadius = 2;
constexpr double shadowOffsetY = 1;
constexpr double borderWidth = 1;
constexpr double backBorderOpacity = 0.45;
constexpr double lineSpacing = -2;
constexpr double backInset = 5;
constexpr double backInnerRadius = 3;
constexpr double backInnerOpacity = 0.5;

// The text face may carry only some of the four suit glyphs (hearts but not spades), and glyphs taken
// from two faces differ in size; the suits come from one face that has all four.
QFont suitGlyphFont(double size) {
    QFont font = fixedFont(size);
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans")} + font.families());
    return font;
}

QColor srgb(double red, double green, double blue) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue));
}

}  // namespace

QString spokenName(const Card& card) {
    int rank = value(card.rank);
    QString rankName =
        rank >= 2 && rank <= 14 ? QString::fromLatin1(rankSpokenNames()[rank - 2]) : QString::number(rank);
    return rankName + QStringLiteral(" of ") +
           QString::fromLatin1(suitSpokenNames()[static_cast<std::size_t>(card.suit) % 4]);
}

PlayingCardView::PlayingCardView(std::optional<Card> card, CardSize size, bool fourColor, double scale)
    : card_(card), size_(size), fourColor_(fourColor), scale_(scale) {}

QSizeF PlayingCardView::frameSize(CardSize size, double scale) {
    return size == CardSize::seat ? QSizeF(seatWidth * scale, seatHeight * scale)
                                  : QSizeF(boardWidth * scale, boardHeight * scale);
}

double PlayingCardView::rankTextSize(CardSize size, double scale) {
    return (size == CardSize::seat ? seatRankTextSize : boardRankTextSize) * scale;
}

QString PlayingCardView::rankText(Rank rank) {
    if (rank == Rank::ten) return QStringLiteral("10");
    return QString::fromStdString(symbol(rank));
}

QString PlayingCardView::suitGlyph(Suit suit) {
    switch (suit) {
        case Suit::clubs:
            return QStringLiteral("\u2663");
        case Suit::diamonds:
            return QStringLiteral("\u2666");
        case Suit::hearts:
            return QStringLiteral("\u2665");
        case Suit::spades:
            return QStringLiteral("\u2660");
    }
    return {};
}

QColor PlayingCardView::suitColor(Suit suit, bool fourColor) {
    static const QColor red = srgb(0.72, 0.16, 0.16);
    static const QColor clubsGreen = srgb(0.10, 0.45, 0.24);
    static const QColor diamondsBlue = srgb(0.11, 0.35, 0.72);
    static const QColor black = srgb(0, 0, 0);
    switch (suit) {
        case Suit::clubs:
            return fourColor ? clubsGreen : black;
        case Suit::diamonds:
            return fourColor ? diamondsBlue : red;
        case Suit::hearts:
            return red;
        case Suit::spades:
            return black;
    }
    return black;
}

QString PlayingCardView::accessibilityLabel() const {
    return card_ ? spokenName(*card_) : QStringLiteral("Face down card");
}

void PlayingCardView::paint(QPainter& painter, QPointF centre, const Palette& palette) const {
    static PictureCache pictures(pictureCapacity);
    QSizeF s = size();
    QRectF frame(centre.x() - s.width() / 2, centre.y() - s.height() / 2, s.width(), s.height());
    double margin = (2 * shadowRadius + shadowOffsetY) * scale_ + shadowSlack;
    QByteArray key = "card:" + (card_ ? QByteArray::number(card_->index()) : QByteArray("back")) + ':' +
                     QByteArray::number(static_cast<int>(size_)) + ':' + QByteArray::number(scale_, 'f', 4) +
                     ':' + (fourColor_ ? '4' : '2') + ':' +
                     QByteArray::number((card_ ? palette.card : palette.cardBack).rgba()) + ':' +
                     QByteArray::number(palette.cardBorder.rgba());
    pictures.draw(painter, key, frame.adjusted(-margin, -margin, margin, margin),
                  [&](QPainter& p) { render(p, frame, palette); });
}

void PlayingCardView::render(QPainter& painter, const QRectF& frame, const Palette& palette) const {
    double radius = cornerRadius * scale_;
    paintShadow(painter, roundedRectPath(frame, radius), withOpacity(Qt::black, shadowOpacity),
                shadowRadius * scale_, {0, shadowOffsetY * scale_});
    fillRoundedRect(painter, frame, radius, card_ ? palette.card : palette.cardBack);
    strokeRoundedRectInside(painter, frame, radius,
                            withOpacity(palette.cardBorder, card_ ? 1.0 : backBorderOpacity),
                            borderWidth * scale_);
    if (card_) {
        paintFace(painter, frame, *card_);
    } else {
        paintBack(painter, frame, palette);
    }
}

void PlayingCardView::paintFace(QPainter& painter, const QRectF& frame, const Card& card) const {
    double rankSize = rankTextSize(size_, scale_);
    QFont rankFont = fixedFont(rankSize, FontWeight::heavy, FontDesign::rounded);
    QFont suitFont = suitGlyphFont(rankSize * suitTextRatio);
    double rankHeight = QFontMetricsF(rankFont).height();
    double suitHeight = QFontMetricsF(suitFont).height();
    double top = frame.center().y() - (rankHeight + suitHeight + lineSpacing * scale_) / 2;
    QRectF rankLine(frame.left(), top, frame.width(), rankHeight);
    QRectF suitLine(frame.left(), rankLine.bottom() + lineSpacing * scale_, frame.width(), suitHeight);
    painter.save();
    painter.setPen(suitColor(card.suit, fourColor_));
    drawFittedText(painter, rankLine, rankText(card.rank), rankFont, minTextScale);
    drawFittedText(painter, suitLine, suitGlyph(card.suit), suitFont, minTextScale);
    painter.restore();
}

void PlayingCardView::paintBack(QPainter& painter, const QRectF& frame, const Palette& palette) const {
    double inset = backInset * scale_;
    strokeRoundedRectInside(painter, frame.adjusted(inset, inset, -inset, -inset), backInnerRadius * scale_,
                            withOpacity(palette.cardBorder, backInnerOpacity), borderWidth * scale_);
}

}  // namespace pellox::app
