#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace pellox::app {

// The soft shadow of a rounded rectangle, blurred once per size, corner, colour and radius and then reused:
// views that repaint at animation rate (cards, seats, chips) cannot afford a blur per frame.
void paintCachedShadow(QPainter& painter, const QRectF& rect, qreal cornerRadius, const QColor& color,
                       qreal radius, QPointF offset = {});

}  // namespace pellox::app
