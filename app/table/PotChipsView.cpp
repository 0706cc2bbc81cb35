#include "table/PotChipsView.hpp"

#include <QPainter>

#include "kit/Painting.hpp"
#include "kit/PictureCache.hpp"

namespace pellox::app {

namespace {

constexpr std::size_t maxChips = 4;
constexpr double chipDiameter = 12;
constexpr double chipStep = 7;
constexpr double ringInset = 2.4;
constexpr double lineWidth = 0.8;
constexpr double ringOpacity = 0.45;
constexpr double rimOpacity = 0.4;
constexpr double shadowOpacity = 0.4;
constexpr double shadowRadius = 1;
constexpr double shadowOffsetX = 0.5;

}  // namespace
namespace {

// Rows of up to four chips at a few scales.
constexpr qsizetype pictureCapacity = 256;
// A blur reaches a little past twice its radius at small sizes: room enough that no shadow is cut.
constexpr double shadowSlack = 5;

QColor srgb(double red, double green, double blue) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green), static_cast<float>(blue));
}

}  // namespace

PotChipsView::PotChipsView(std::int64_t amount, double scale) : colors_(chipColors(amount)), scale_(scale) {}

const std::array<PotChipsView::Denomination, 5>& PotChipsView::denominations() {
    static const std::array<Denomination, 5> table{
        Denomination{500, srgb(0.45, 0.25, 0.62)}, Denomination{100, srgb(0.14, 0.14, 0.16)},
        Denomination{25, srgb(0.13, 0.45, 0.25)}, Denomination{5, srgb(0.68, 0.17, 0.17)},
        Denomination{1, srgb(0.92, 0.92, 0.90)}};
    return table;
}

std::vector<QColor> PotChipsView::chipColors(std::int64_t amount) {
    std::vector<QColor> chips;
    std::int64_t remaining = amount;
    for (const Denomination& d : denominations()) {
        while (remaining >= d.value && chips.size() < maxChips) {
            chips.push_back(d.color);
            remaining -= d.value;
        }
    }
    return chips;
}

QSizeF PotChipsView::size() const {
    if (colors_.empty()) return {0, chipDiameter * scale_};
    double count = static_cast<double>(colors_.size());
    return {(chipDiameter + (count - 1) * chipStep) * scale_, chipDiameter * scale_};
}

void PotChipsView::paint(QPainter& painter, QPointF topLeft) const {
    if (colors_.empty()) return;
    static PictureCache pictures(pictureCapacity);
    QByteArray key = "pot:" + QByteArray::number(scale_, 'f', 4);
    for (const QColor& color : colors_)
        key += ':' + QByteArray::number(color.rgba());
    double margin = (2 * shadowRadius + shadowOffsetX) * scale_ + shadowSlack;
    QRectF bounds = QRectF(topLeft, size()).adjusted(-margin, -margin, margin, margin);
    pictures.draw(painter, key, bounds, [&](QPainter& p) { render(p, topLeft); });
}

void PotChipsView::render(QPainter& painter, QPointF topLeft) const {
    double radius = chipDiameter * scale_ / 2;
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        // Smallest denomination first, each later chip over the one before.
        const QColor& color = colors_[colors_.size() - 1 - i];
        paintChip(painter, topLeft + QPointF(radius + static_cast<double>(i) * chipStep * scale_, radius),
                  color);
    }
}

void PotChipsView::paintChip(QPainter& painter, QPointF centre, const QColor& color) const {
    double radius = chipDiameter * scale_ / 2;
    QRectF chip(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    double inset = ringInset * scale_;
    paintShadow(painter, roundedRectPath(chip, radius), withOpacity(Qt::black, shadowOpacity),
                shadowRadius * scale_, {shadowOffsetX * scale_, 0});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(chip);
    painter.restore();
    strokeEllipseInside(painter, chip.adjusted(inset, inset, -inset, -inset),
                        withOpacity(Qt::white, ringOpacity), lineWidth * scale_);
    strokeEllipseInside(painter, chip, withOpacity(Qt::black, rimOpacity), lineWidth * scale_);
}

}  // namespace pellox::app
