#include "review/RangeDetailView.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/OneAccessibleElement.hpp"
#include "kit/Painting.hpp"
#include "kit/TextFit.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int panelPadding = 16;
constexpr qreal panelRadius = 12;
constexpr qreal lineSpacing = 3;
constexpr qreal headlineSpacing = 8;
constexpr qreal badgePaddingX = 8;
constexpr qreal badgePaddingY = 2;
constexpr qreal hintMinimumScale = 0.6;

// At the given text scale, the screens' own by default.
QFont placeholderFont(double scale = ScaledFont::textScale()) {
    return fixedFont(13 * scale);
}
QFont labelFont(double scale = ScaledFont::textScale()) {
    return fixedFont(20 * scale, FontWeight::black, FontDesign::rounded);
}
QFont badgeFont(double scale = ScaledFont::textScale()) {
    return fixedFont(13 * scale, FontWeight::black);
}
QFont strengthFont(double scale = ScaledFont::textScale()) {
    return fixedFont(13 * scale);
}

qreal headlineHeight(double textScale) {
    const qreal badge = QFontMetricsF(badgeFont(textScale)).height() + 2 * badgePaddingY;
    return std::max(QFontMetricsF(labelFont(textScale)).height(), badge);
}

// The panel's height, with or without its strength line.
qreal readHeight(double textScale, bool withStrength) {
    qreal height = 2 * panelPadding + headlineHeight(textScale);
    if (withStrength) height += lineSpacing + QFontMetricsF(strengthFont(textScale)).height();
    return height;
}

qreal hintLineHeight(double textScale) {
    return QFontMetricsF(placeholderFont(textScale)).height();
}

}  // namespace

QString RangeDetailView::placeholderText() {
    return QStringLiteral("Click a hand for its strength read.");
}

QString RangeDetailView::keysText() {
    return QStringLiteral("Or use the arrow keys, then Return or Space.");
}

RangeDetailView::RangeDetailView(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The read is text a screen reader reaches as it reaches a label.
    makeOneAccessibleElement(this);
    setDetail(std::nullopt);
}

void RangeDetailView::setDetail(std::optional<Detail> detail) {
    detail_ = std::move(detail);
    QString spoken = placeholderText() + QLatin1Char(' ') + keysText();
    if (detail_) {
        spoken = detail_->label + QStringLiteral(", ") + detail_->badgeText;
        if (detail_->strengthLine) spoken += QStringLiteral(", ") + *detail_->strengthLine;
    }
    setAccessibleName(spoken);
    update();
}

int RangeDetailView::heightAt(double textScale) {
    return static_cast<int>(std::ceil(std::max(2 * hintLineHeight(textScale), readHeight(textScale, true))));
}

QSize RangeDetailView::sizeHint() const {
    return {320, heightAt(ScaledFont::textScale())};
}

QRectF RangeDetailView::badgeRect(const QPointF& topLeft) const {
    const QFontMetricsF metrics(badgeFont());
    return QRectF(topLeft, QSizeF(metrics.horizontalAdvance(detail_->badgeText) + 2 * badgePaddingX,
                                  metrics.height() + 2 * badgePaddingY));
}

void RangeDetailView::paintEvent(QPaintEvent*) {
    const Palette& palette = context_.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!detail_) {
        paintHint(painter);
        return;
    }
    const double scale = ScaledFont::textScale();
    const QRectF panel(0, 0, width(), readHeight(scale, detail_->strengthLine.has_value()));
    fillRoundedRect(painter, panel, panelRadius, palette.panel);
    const QRectF content = panel.adjusted(panelPadding, panelPadding, -panelPadding, -panelPadding);
    const qreal headline = headlineHeight(scale);

    painter.setFont(labelFont());
    painter.setPen(palette.text);
    const QRectF labelRect(content.topLeft(),
                           QSizeF(QFontMetricsF(labelFont()).horizontalAdvance(detail_->label), headline));
    painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, detail_->label);

    QRectF badge = badgeRect(QPointF(labelRect.right() + headlineSpacing, content.top()));
    badge.moveCenter(QPointF(badge.center().x(), labelRect.center().y()));
    fillCapsule(painter, badge, detail_->badgeFill);
    painter.setFont(badgeFont());
    painter.setPen(detail_->badgeTextColor);
    painter.drawText(badge, Qt::AlignCenter | Qt::TextSingleLine, detail_->badgeText);

    if (!detail_->strengthLine) return;
    painter.setFont(strengthFont());
    painter.setPen(palette.textMuted);
    const QRectF line(content.left(), content.top() + headline + lineSpacing, content.width(),
                      QFontMetricsF(strengthFont()).height());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, *detail_->strengthLine);
}

// Two lines in the middle of the room the read takes, each shrunk to the width when it must be.
void RangeDetailView::paintHint(QPainter& painter) const {
    const qreal line = hintLineHeight(ScaledFont::textScale());
    const qreal top = (height() - 2 * line) / 2;
    painter.setPen(context_.palette().textMuted);
    const QFont font = placeholderFont();
    drawFittedText(painter, QRectF(0, top, width(), line), placeholderText(), font, hintMinimumScale);
    drawFittedText(painter, QRectF(0, top + line, width(), line), keysText(), font, hintMinimumScale);
}

}  // namespace pellox::app
