#pragma once
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>

class QPainter;

namespace pellox::app {

struct Palette;

// The "$N" capsule that flies between a seat and the pot. Its sizes are fixed, not scaled with the table.
class ChipStackView {
  public:
    static constexpr double paddingX = 8;

    explicit ChipStackView(std::int64_t amount);

    static QString text(std::int64_t amount);
    // Grows with the amount's digits: the text is never cut.
    QSizeF size() const;
    void paint(QPainter& painter, QPointF centre, const Palette& palette) const;

  private:
    void render(QPainter& painter, const QRectF& capsule, const Palette& palette) const;

    QString text_;
};

}  // namespace pellox::app
