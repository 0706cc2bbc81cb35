#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

#include "rules/Card.hpp"

class QPainter;

namespace pellox::app {

struct Palette;

// "Ace of spades": how the accessibility texts of the table read a card aloud.
QString spokenName(const Card& card);

// One card, face up or face down, in the hole-card or the board size; a painter the felt, the flippable
// hole card and the replay's board share.
class PlayingCardView {
  public:
    enum class CardSize { seat, board };

    static constexpr double cornerRadius = 6;
    static constexpr double suitTextRatio = 0.8;

    // No card shows the back.
    PlayingCardView(std::optional<Card> card, CardSize size, bool fourColor, double scale);

    static QSizeF frameSize(CardSize size, double scale);
    static double rankTextSize(CardSize size, double scale);
    // "10" for the ten, whose rank symbol is "T"; every other rank its symbol.
    static QString rankText(Rank rank);
    static QString suitGlyph(Suit suit);
    static QColor suitColor(Suit suit, bool fourColor);

    QSizeF size() const { return frameSize(size_, scale_); }
    QString accessibilityLabel() const;

    // Draws the card centred on `centre`, in the caller's coordinates (the felt's table space).
    void paint(QPainter& painter, QPointF centre, const Palette& palette) const;

  private:
    void render(QPainter& painter, const QRectF& frame, const Palette& palette) const;
    void paintFace(QPainter& painter, const QRectF& frame, const Card& card) const;
    void paintBack(QPainter& painter, const QRectF& frame, const Palette& palette) const;

    std::optional<Card> card_;
    CardSize size_;
    bool fourColor_;
    double scale_;
};

}  // namespace pellox::app
