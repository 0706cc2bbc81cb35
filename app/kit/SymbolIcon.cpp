#include "kit/SymbolIcon.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <utility>

namespace pellox::app {
namespace {

// Every drawing below is in a unit square; strokes are fractions of it.
qreal strokeWidth(FontWeight weight) {
    switch (weight) {
        case FontWeight::regular:
            return 0.09;
        case FontWeight::medium:
            return 0.10;
        case FontWeight::semibold:
            return 0.11;
        case FontWeight::bold:
            return 0.125;
        case FontWeight::heavy:
            return 0.14;
        case FontWeight::black:
            return 0.155;
    }
    return 0.09;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
        first ? path.moveTo(p) : path.lineTo(p);
        first = false;
    }
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath roundedBox(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPointF onCircle(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180;
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

struct Drawing {
    QPainterPath fill;    // filled
    QPainterPath stroke;  // stroked with round caps and joins
};

Drawing chevron(QPointF a, QPointF tip, QPointF b) {
    return {{}, polyline({a, tip, b})};
}

QPainterPath playTriangle(bool pointsRight, qreal left, qreal right) {
    return pointsRight ? polygon({{left, 0.16}, {right, 0.5}, {left, 0.84}})
                       : polygon({{right, 0.16}, {left, 0.5}, {right, 0.84}});
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0.5, 0.05);
    p.cubicTo(0.58, 0.18, 0.93, 0.33, 0.93, 0.56);
    p.cubicTo(0.93, 0.74, 0.72, 0.81, 0.56, 0.69);
    p.cubicTo(0.57, 0.79, 0.61, 0.88, 0.66, 0.94);
    p.lineTo(0.34, 0.94);
    p.cubicTo(0.39, 0.88, 0.43, 0.79, 0.44, 0.69);
    p.cubicTo(0.28, 0.81, 0.07, 0.74, 0.07, 0.56);
    p.cubicTo(0.07, 0.33, 0.42, 0.18, 0.5, 0.05);
    p.closeSubpath();
    return p;
}

QPainterPath gear() {
    const QPointF c(0.5, 0.5);
    constexpr int teeth = 8;
    QPolygonF outline;
    for (int i = 0; i < teeth; ++i) {
        const qreal mid = 90 - i * 360.0 / teeth;
        outline << onCircle(c, 0.34, mid + 16) << onCircle(c, 0.47, mid + 9) << onCircle(c, 0.47, mid - 9)
                << onCircle(c, 0.34, mid - 16);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    path.addEllipse(c, 0.14, 0.14);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

Drawing clockArrow() {
    const QPointF c(0.5, 0.52);
    constexpr qreal r = 0.36;
    QPainterPath stroke;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    stroke.arcMoveTo(box, 205);
    stroke.arcTo(box, 205, -305);  // clockwise on screen, ending upper left
    stroke.moveTo(c + QPointF(0, -0.18));
    stroke.lineTo(c);
    stroke.lineTo(c + QPointF(0.13, 0.08));
    const QPointF end = onCircle(c, r, 205);
    QPainterPath head =
        polygon({end + QPointF(-0.14, -0.06), end + QPointF(0.10, -0.08), end + QPointF(0.0, 0.13)});
    return {head, stroke};
}

Drawing lightbulb() {
    const QPointF c(0.5, 0.46);
    constexpr qreal r = 0.2;
    QPainterPath bulb;
    bulb.addEllipse(c, r, r);
    bulb.addPolygon(
        QPolygonF({QPointF(0.33, 0.54), QPointF(0.67, 0.54), QPointF(0.6, 0.74), QPointF(0.4, 0.74)}));
    bulb.addPath(roundedBox(0.38, 0.77, 0.24, 0.06, 0.03));
    bulb.addPath(roundedBox(0.41, 0.86, 0.18, 0.06, 0.03));
    bulb.setFillRule(Qt::WindingFill);
    QPainterPath rays;
    for (qreal angle : {90.0, 130.0, 50.0, 170.0, 10.0}) {
        rays.moveTo(onCircle(c, 0.3, angle));
        rays.lineTo(onCircle(c, 0.4, angle));
    }
    return {bulb.simplified(), rays};
}

Drawing drawingOf(Symbol symbol) {
    switch (symbol) {
        case Symbol::chevronUp:
            return chevron({0.2, 0.68}, {0.5, 0.34}, {0.8, 0.68});
        case Symbol::chevronLeft:
            return chevron({0.64, 0.16}, {0.32, 0.5}, {0.64, 0.84});
        case Symbol::chevronRight:
            return chevron({0.36, 0.16}, {0.68, 0.5}, {0.36, 0.84});
        case Symbol::playFill:
            return {playTriangle(true, 0.24, 0.84), {}};
        case Symbol::pauseFill: {
            QPainterPath bars = roundedBox(0.22, 0.16, 0.18, 0.68, 0.04);
            bars.addPath(roundedBox(0.60, 0.16, 0.18, 0.68, 0.04));
            return {bars, {}};
        }
        case Symbol::backwardEndFill: {
            QPainterPath p = roundedBox(0.12, 0.18, 0.12, 0.64, 0.03);
            p.addPath(playTriangle(false, 0.28, 0.88));
            return {p, {}};
        }
        case Symbol::forwardEndFill: {
            QPainterPath p = roundedBox(0.76, 0.18, 0.12, 0.64, 0.03);
            p.addPath(playTriangle(true, 0.12, 0.72));
            return {p, {}};
        }
        case Symbol::suitSpadeFill:
            return {spade(), {}};
        case Symbol::chartLineUptrendXyaxis: {
            QPainterPath s = polyline({{0.1, 0.1}, {0.1, 0.9}, {0.9, 0.9}});
            s.addPath(polyline({{0.24, 0.7}, {0.42, 0.5}, {0.58, 0.62}, {0.86, 0.3}}));
            return {{}, s};
        }
        case Symbol::chartBarFill: {
            QPainterPath p = roundedBox(0.1, 0.55, 0.22, 0.35, 0.05);
            p.addPath(roundedBox(0.39, 0.32, 0.22, 0.58, 0.05));
            p.addPath(roundedBox(0.68, 0.1, 0.22, 0.8, 0.05));
            return {p, {}};
        }
        case Symbol::clockArrowCirclepath:
            return clockArrow();
        case Symbol::squareGrid3x3Fill: {
            QPainterPath p;
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col)
                    p.addPath(roundedBox(0.08 + col * 0.3, 0.08 + row * 0.3, 0.24, 0.24, 0.05));
            return {p, {}};
        }
        case Symbol::gearshapeFill:
            return {gear(), {}};
        case Symbol::lightbulbMaxFill:
            return lightbulb();
    }
    return {};
}

constexpr std::array<std::pair<Symbol, std::string_view>, 14> names{{
    {Symbol::chevronUp, "chevron.up"},
    {Symbol::chevronLeft, "chevron.left"},
    {Symbol::chevronRight, "chevron.right"},
    {Symbol::playFill, "play.fill"},
    {Symbol::pauseFill, "pause.fill"},
    {Symbol::backwardEndFill, "backward.end.fill"},
    {Symbol::forwardEndFill, "forward.end.fill"},
    {Symbol::suitSpadeFill, "suit.spade.fill"},
    {Symbol::chartLineUptrendXyaxis, "chart.line.uptrend.xyaxis"},
    {Symbol::chartBarFill, "chart.bar.fill"},
    {Symbol::clockArrowCirclepath, "clock.arrow.circlepath"},
    {Symbol::squareGrid3x3Fill, "square.grid.3x3.fill"},
    {Symbol::gearshapeFill, "gearshape.fill"},
    {Symbol::lightbulbMaxFill, "lightbulb.max.fill"},
}};

}  // namespace

std::string_view systemName(Symbol symbol) {
    for (const auto& [s, name] : names)
        if (s == symbol) return name;
    return {};
}

std::optional<Symbol> symbolNamed(std::string_view name) {
    for (const auto& [s, n] : names)
        if (n == name) return s;
    return std::nullopt;
}

const std::array<Symbol, 14>& allSymbols() {
    static const std::array<Symbol, 14> symbols = [] {
        std::array<Symbol, 14> out{};
        for (size_t i = 0; i < names.size(); ++i)
            out[i] = names[i].first;
        return out;
    }();
    return symbols;
}

void paintSymbol(QPainter& painter, Symbol symbol, const QRectF& rect, qreal size, const QColor& color,
                 FontWeight weight) {
    if (size <= 0) return;
    // Built once: some outlines are simplified unions, too costly to redo on every paint.
    static const std::array<Drawing, 14> drawings = [] {
        std::array<Drawing, 14> out;
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = drawingOf(names[i].first);
        return out;
    }();
    const Drawing& drawing = drawings[static_cast<size_t>(symbol)];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center() - QPointF(size / 2, size / 2));
    painter.scale(size, size);
    if (!drawing.fill.isEmpty()) {
        // A thin outline in the fill colour rounds the corners the way the system glyphs are rounded.
        painter.setPen(QPen(color, 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(color);
        painter.drawPath(drawing.fill);
    }
    if (!drawing.stroke.isEmpty()) {
        painter.setPen(QPen(color, strokeWidth(weight), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(drawing.stroke);
    }
    painter.restore();
}

QPixmap symbolPixmap(Symbol symbol, qreal size, const QColor& color, FontWeight weight,
                     qreal devicePixelRatio) {
    const int side = std::max(1, static_cast<int>(std::ceil(size)));
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintSymbol(painter, symbol, QRectF(0, 0, side, side), size, color, weight);
    return pixmap;
}

QIcon symbolIcon(Symbol symbol, qreal size, const QColor& color, FontWeight weight) {
    QIcon icon;
    icon.addPixmap(symbolPixmap(symbol, size, color, weight, 1));
    icon.addPixmap(symbolPixmap(symbol, size, color, weight, 2));
    return icon;
}

}  // namespace pellox::app
