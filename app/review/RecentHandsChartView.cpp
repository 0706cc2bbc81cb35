#include "review/RecentHandsChartView.hpp"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr double axisLabelSize = 10;
constexpr qreal axisLabelGap = 6;
constexpr qreal lineWidth = 2;
constexpr qreal areaTopOpacity = 0.3;
// A point mark's symbol size is its area in square points.
constexpr qreal pointSymbolArea = 28;
constexpr qreal ruleWidth = 1;
constexpr qreal ruleMiterLimit = 10;
const QList<qreal> ruleDashes{4, 3};

qreal pointRadius() {
    return std::sqrt(pointSymbolArea / std::numbers::pi);
}

QFont axisFont() {
    return scaledFont(axisLabelSize);
}

qreal axisLabelWidth() {
    const QFontMetricsF metrics(axisFont());
    qreal widest = 0;
    for (const auto& mark : RecentHandsChartModel::yAxisMarks())
        widest = std::max(widest, metrics.horizontalAdvance(mark.label));
    return std::ceil(widest);
}

}  // namespace

RecentHandsChartView::RecentHandsChartView(const AppContext& context, RecentHandsChartModel model,
                                           QWidget* parent)
    : QWidget(parent), context_(context), model_(std::move(model)) {
    setFixedHeight(chartHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Recent hands accuracy chart"));
}

QRectF RecentHandsChartView::plotRect(const QSizeF& size) {
    // Labels are centred on their grid lines, so the top and bottom lines leave room for half a label.
    const qreal halfLabel = QFontMetricsF(axisFont()).height() / 2;
    const qreal vertical = std::max(halfLabel, pointRadius());
    const qreal right = size.width() - axisLabelWidth() - axisLabelGap - pointRadius();
    return QRectF(QPointF(pointRadius(), vertical), QPointF(right, size.height() - vertical));
}

void RecentHandsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotRect(size());
    paintAxis(painter, plot);
    painter.save();
    const qreal r = pointRadius();
    painter.setClipRect(plot.adjusted(-r, -r, r, r));
    paintSeries(painter, plot);
    paintLifetimeRule(painter, plot);
    painter.restore();
}

void RecentHandsChartView::paintAxis(QPainter& painter, const QRectF& plot) const {
    const Palette& palette = context_.palette();
    const qreal lineRight = plot.right() + pointRadius();
    const QFontMetricsF metrics(axisFont());
    const qreal labelWidth = axisLabelWidth();
    painter.setFont(axisFont());
    for (const auto& mark : RecentHandsChartModel::yAxisMarks()) {
        const qreal y = RecentHandsChartModel::yPosition(mark.value, plot);
        painter.setPen(QPen(palette.border, 1));
        painter.drawLine(QPointF(0, y), QPointF(lineRight, y));
        painter.setPen(palette.textMuted);
        const QRectF label(lineRight + axisLabelGap, y - metrics.height() / 2, labelWidth, metrics.height());
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, mark.label);
    }
}

void RecentHandsChartView::paintSeries(QPainter& painter, const QRectF& plot) const {
    const Palette& palette = context_.palette();
    const auto& points = model_.points;
    if (points.empty()) return;
    QPolygonF line;
    for (std::size_t i = 0; i < points.size(); ++i)
        line << model_.position(i, plot);

    QPainterPath area;
    area.moveTo(line.first().x(), plot.bottom());
    for (const QPointF& p : line)
        area.lineTo(p);
    area.lineTo(line.last().x(), plot.bottom());
    area.closeSubpath();
    QLinearGradient fade(plot.topLeft(), plot.bottomLeft());
    fade.setColorAt(0, withOpacity(palette.accent, areaTopOpacity));
    fade.setColorAt(1, withOpacity(palette.accent, 0));
    painter.fillPath(area, fade);

    painter.setPen(QPen(palette.accent, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.accent);
    const qreal r = pointRadius();
    for (const QPointF& p : line)
        painter.drawEllipse(p, r, r);
}

void RecentHandsChartView::paintLifetimeRule(QPainter& painter, const QRectF& plot) const {
    if (!model_.lifetime) return;
    QPen pen(context_.palette().textMuted, ruleWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern(ruleDashes);
    pen.setDashOffset(0);
    pen.setMiterLimit(ruleMiterLimit);
    painter.setPen(pen);
    const qreal y = RecentHandsChartModel::yPosition(*model_.lifetime, plot);
    const qreal r = pointRadius();
    painter.drawLine(QPointF(plot.left() - r, y), QPointF(plot.right() + r, y));
}

}  // namespace pellox::app
