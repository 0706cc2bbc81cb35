#pragma once
#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <vector>

class QPainter;

namespace pellox::app {

// The pot as a short row of overlapping casino chips whose colours break the amount down greedily.
class PotChipsView {
  public:
    struct Denomination {
        std::int64_t value;
        QColor color;
    };

    PotChipsView(std::int64_t amount, double scale);

    // 500 purple, 100 charcoal, 25 green, 5 red, 1 white, largest first.
    static const std::array<Denomination, 5>& denominations();
    // At most four colours, largest denomination first; whatever is left over is not shown.
    static std::vector<QColor> chipColors(std::int64_t amount);

    // Zero wide without chips.
    QSizeF size() const;
    // Draws the row with its frame's top-left corner at `topLeft`.
    void paint(QPainter& painter, QPointF topLeft) const;

  private:
    void render(QPainter& painter, QPointF topLeft) const;
    void paintChip(QPainter& painter, QPointF centre, const QColor& color) const;

    std::vector<QColor> colors_;
    double scale_;
};

}  // namespace pellox::app
