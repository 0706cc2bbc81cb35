#pragma once
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <optional>

class QPainter;

namespace pellox::app {

struct Palette;

// Shapes. Corners are circular arcs (close enough to continuous corners at these sizes).
QPainterPath roundedRectPath(const QRectF& rect, qreal radius);
// A rounded rectangle whose corner radius is half its shorter side.
QPainterPath capsulePath(const QRectF& rect);

void fillRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color);
void fillCapsule(QPainter& painter, const QRectF& rect, const QColor& color);

// Strokes that stay inside the shape's edge, as the screens' overlays do (QPainter centres strokes).
void strokeRoundedRectInside(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color,
                             qreal width = 1);
void strokeCapsuleInside(QPainter& painter, const QRectF& rect, const QColor& color, qreal width = 1);
void strokeEllipseInside(QPainter& painter, const QRectF& rect, const QColor& color, qreal width = 1);
// A rounded rectangle filled and stroked 1 pixel wide inside its edge, painted once for each size and colours
// and then only copied: a wide antialiased path is slow to rasterise, and the side panel's pieces are drawn
// at every frame while they come and go.
void paintOutlinedRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
                              const QColor& stroke);

// The colour with its opacity multiplied by `opacity` (a translucent colour gets fainter still).
QColor withOpacity(QColor color, qreal opacity);
// From `from` (0) to `to` (1), channel by channel, opacity included; `amount` is held within 0..1.
QColor mixed(const QColor& from, const QColor& to, qreal amount);
// Adds `amount` (0..1) to each of red, green and blue, as a brightness effect does; opacity unchanged.
QColor brightened(QColor color, qreal amount);

// Small tinted badge: a capsule filled with the tint at 16% opacity, stroked inside at 70%, 1 pixel wide.
void paintTintedBadge(QPainter& painter, const QRectF& rect, const QColor& tint);
// The same with a centred one-line text.
void paintTintedBadge(QPainter& painter, const QRectF& rect, const QColor& tint, const QString& text,
                      const QFont& font, const QColor& textColor);

// Side-panel card: rounded rectangle of radius 12 filled with `panel`, 1-pixel inside stroke in `border`
// unless a state colour is given. Its content sits sidePanelCardPadding inside.
inline constexpr qreal sidePanelCardRadius = 12;
inline constexpr int sidePanelCardPadding = 16;
void paintSidePanelCard(QPainter& painter, const QRectF& rect, const Palette& palette,
                        std::optional<QColor> stroke = std::nullopt);

// A soft drop shadow of `shape` (blur radius and offset in pixels), drawn under where the shape will go.
void paintShadow(QPainter& painter, const QPainterPath& shape, const QColor& color, qreal radius,
                 QPointF offset = {});

}  // namespace pellox::app
