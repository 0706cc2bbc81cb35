#include "table/EquityBarView.hpp"

#include <QPainter>
#include <algorithm>

#include "kit/Painting.hpp"

namespace pellox::app {

namespace {

constexpr qreal markerWidth = 2;

}  // namespace

EquityBarView::EquityBarView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(barHeight);
}

void EquityBarView::setValues(double equity, std::optional<double> requiredEquity) {
    equity_ = equity;
    required_ = requiredEquity;
    update();
}

void EquityBarView::setColors(const QColor& track, const QColor& fill, const QColor& marker) {
    track_ = track;
    fill_ = fill;
    marker_ = marker;
    update();
}

// Equity is a share of the pot, so the fill never leaves the track.
qreal EquityBarView::fillWidth(double equity, qreal width) {
    return std::clamp(equity, 0.0, 1.0) * width;
}

std::optional<qreal> EquityBarView::markerOffset(std::optional<double> requiredEquity, qreal width) {
    if (!requiredEquity) return std::nullopt;
    return std::clamp(*requiredEquity * width, 0.0, std::max(0.0, width - markerWidth));
}

void EquityBarView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(0, 0, width(), height());
    fillCapsule(painter, track, track_);
    const qreal fill = fillWidth(equity_, track.width());
    if (fill > 0) fillCapsule(painter, QRectF(0, 0, fill, track.height()), fill_);
    if (auto offset = markerOffset(required_, track.width()))
        painter.fillRect(QRectF(*offset, 0, markerWidth, track.height()), marker_);
}

}  // namespace pellox::app
