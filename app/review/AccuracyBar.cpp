#include "review/AccuracyBar.hpp"

#include <QPainter>

#include "kit/Painting.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int barHeight = 10;
constexpr int preferredWidth = 120;

}  // namespace

AccuracyBar::AccuracyBar(const AppContext& context, BreakdownRow row, QWidget* parent)
    : QWidget(parent), context_(context), row_(std::move(row)) {
    setFixedHeight(barHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize AccuracyBar::sizeHint() const {
    return {preferredWidth, barHeight};
}

QSize AccuracyBar::minimumSizeHint() const {
    return {0, barHeight};
}

void AccuracyBar::paintEvent(QPaintEvent*) {
    const Palette& palette = context_.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = rect();
    fillCapsule(painter, track, palette.seatEmpty);
    const auto fill = row_.fillWidth(track.width());
    const auto accuracy = row_.accuracy();
    if (!fill || !accuracy) return;
    fillCapsule(painter, QRectF(track.topLeft(), QSizeF(*fill, track.height())),
                accuracyColor(*accuracy, palette));
}

}  // namespace pellox::app
