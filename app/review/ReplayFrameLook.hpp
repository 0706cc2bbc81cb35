#pragma once
#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "kit/CardText.hpp"

namespace pellox {
struct ReplaySeatView;
struct GradedDecision;
}  // namespace pellox

namespace pellox::app {

struct Palette;

// What one seat row of a replay frame shows.
struct SeatRowLook {
    QString name;
    bool bold = false;  // the human's seat
    QColor nameColor;
    bool dealer = false;
    std::optional<std::vector<ColoredText>> cards;  // none: two card backs
    QString stackText;
    qreal contentOpacity = 1;  // the background stays undimmed
    QColor background;

    static SeatRowLook make(const ReplaySeatView& seat, const Palette& palette);
    QString accessibleText() const;
};

// What the guide callout of a graded decision shows.
struct GuideCalloutLook {
    QString title;
    QColor color;  // of the title and, faded, of the border
    QString explanation;

    static GuideCalloutLook make(const GradedDecision& decision, const Palette& palette);
};

// Shown on the board row while it holds no card.
inline constexpr const char* preflopPlaceholder = "Preflop";

}  // namespace pellox::app
