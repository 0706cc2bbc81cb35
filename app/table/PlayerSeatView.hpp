#pragma once
#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

#include "rules/Card.hpp"
#include "table/FlippableCardView.hpp"

class QPainter;

namespace pellox {
struct Player;
}

namespace pellox::app {

struct Palette;

// One occupied seat of the felt: hole cards, name, position, stack, the one status pill, dealer button,
// winner badge, the glow of the player to act. The felt builds one per seat and frame from the session
// (designated initialisers read best), paints it in the seat's box, and reads the decisions below.
// Durations do not reach the painter: the motion of the cards and the drag comes in as poses
// (`SeatAnimation`).
struct PlayerSeatView {
    // Drag up to fold.
    static constexpr double dragMinimumDistance = 10;
    static constexpr double foldThreshold = -55;
    static constexpr double flingFactor = 1.6;
    static constexpr double minimumFling = -220;
    static constexpr double flingDuration = 0.28;
    static constexpr double snapBackResponse = 0.3;
    static constexpr double snapBackDamping = 0.6;

    struct StatusPill {
        QString text;
        QColor fill;
        QColor textColor;
        friend bool operator==(const StatusPill&, const StatusPill&) = default;
    };

    struct Border {
        QColor color;
        double width = 1;
        friend bool operator==(const Border&, const Border&) = default;
    };

    // One hole card at a moment: how far along its glide from the deal origin (0 there, 1 landed) and
    // how it is turned.
    struct CardPose {
        double landing = 1;
        FlippableCardView::Pose flip;
    };

    // The winner badge at a moment of its coming or going: the amount it shows (kept while it goes) and how
    // far in it is (0 shrunk to nothing and transparent, 1 in place).
    struct WinnerBadgePose {
        std::int64_t amount = 0;
        double presence = 1;
    };

    // Where a released drag sends the seat.
    struct DragEnd {
        bool folds = false;
        double offset = 0;
        friend bool operator==(const DragEnd&, const DragEnd&) = default;
    };

    const Player& player;
    double scale = 1;
    bool isActing = false;
    bool isDealer = false;
    bool revealHoleCards = false;   // a bot's cards face up (showdown)
    std::span<const Card> board{};  // as shown, for the made-hand text
    std::optional<std::int64_t> winnerAmount{};
    // Chips won that the felt has not shown coming yet: the stack reads without them.
    std::int64_t heldBackWinnings = 0;
    bool fourColor = false;
    std::int64_t cardsLanded = 0;  // hole cards done with their deal flight
    QPointF dealOrigin{};          // from the seat's centre to where the cards are dealt from
    bool canFold = false;          // the seat may fold now (by drag or accessibility action)
    double dragOffset = 0;

    // A bot's cards before the reveal: face down, no made hand, not named aloud.
    bool holeCardsHidden() const;
    // The side the hole cards should show: always for the human, for a bot only once revealed.
    bool faceUp() const;

    // The one pill, by the first rule that holds: folded, all in, chips in this street, made hand.
    std::optional<StatusPill> statusBadge(const Palette& palette) const;
    Border border(const Palette& palette) const;
    QString positionText() const;
    QString stackText() const;
    std::optional<QString> winnerText() const;
    // What a winner's badge says for a pot of `amount`: "+$1500".
    static QString winnerText(std::int64_t amount);
    // Everything a screen reader says about the seat, joined with ", ".
    QString accessibilityDescription() const;

    // Up by min(14 × scale, 8) points from the seat's top edge.
    static double winnerBadgeLift(double scale);
    // Geometry in the felt's space, for a seat painted in `box` (the drag offset included).
    QRectF frame(const QRectF& box) const;
    QRectF dealerButtonRect(const QRectF& box) const;
    QRectF winnerBadgeRect(const QRectF& box) const;
    QRectF winnerBadgeRect(const QRectF& box, std::int64_t amount) const;
    // The centre of hole card `index` once landed.
    QPointF holeCardCentre(const QRectF& box, std::size_t index) const;

    // A drag moving: the new offset, or none when the seat may not fold or the drag does not go up.
    static std::optional<double> dragChanged(double translationY, bool canFold);
    // A drag released: the more upward of where it is and where it was heading decides.
    static DragEnd dragEnded(double translationY, double predictedEndY, bool canFold);
    // The seat flies at least 220 points up.
    static double flingOffset(double dy);

    // `cards` holds one pose per hole card (missing ones are drawn landed and flat); the winner badge stands
    // in place while `winnerAmount` is set.
    void paint(QPainter& painter, const QRectF& box, const Palette& palette,
               std::span<const CardPose> cards) const;
    // With the winner badge on its way in or out, or none.
    void paint(QPainter& painter, const QRectF& box, const Palette& palette, std::span<const CardPose> cards,
               std::optional<WinnerBadgePose> badge) const;

  private:
    struct Lines;
    Lines lines(const QRectF& box) const;
    double holeCardX(const QRectF& box, std::size_t index) const;
    // `cardsDown`: from the seat's top to its card row, where the empty places are drawn.
    QByteArray backKey(const Palette& palette, double cardsDown) const;
    QByteArray frontKey(const Palette& palette) const;
    void paintBackground(QPainter& painter, const QRectF& box, double cardsTop, const Palette& palette) const;
    void paintInfo(QPainter& painter, const QRectF& box, const Lines& lines, const Palette& palette) const;
    void paintHoleCards(QPainter& painter, const QRectF& box, double top, const Palette& palette,
                        std::span<const CardPose> cards) const;
    void paintStatusPill(QPainter& painter, const QRectF& slot, const Palette& palette) const;
    void paintDealerButton(QPainter& painter, const QRectF& box, const Palette& palette) const;
    void paintWinnerBadge(QPainter& painter, const QRectF& box, const Palette& palette,
                          const WinnerBadgePose& badge) const;
};

}  // namespace pellox::app
