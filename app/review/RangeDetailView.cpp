#include "review/RangeDetailView.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/OneAccessibleElement.hpp"
#include "kit/Painting.hpp"
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

}  // namespace

QString RangeDetailView::placeholderText() {
    return QStringLiteral("Click a hand for its strength read.");
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
    QString spoken = placeholderText();
    if (detail_) {
        spoken = detail_->label + QStringLiteral(", ") + detail_->badgeText;
        if (detail_->strengthLine) spoken += QStringLiteral(", ") + *detail_->strengthLine;
    }
    setAccessibleName(spoken);
    updateGeometry();
    update();
}

qreal RangeDetailView::headlineHeight(double textScale) const {
    const qreal badge = QFontMetricsF(badgeFont(textScale)).height() + 2 * badgePaddingY;
    return std::max(QFontMetricsF(labelFont(textScale)).height(), badge);
}

int RangeDetailView::heightAt(double textScale) const {
    if (!detail_) return static_cast<int>(std::ceil(QFontMetricsF(placeholderFont(textScale)).height()));
    qreal height = 2 * panelPadding + headlineHeight(textScale);
    if (detail_->strengthLine) height += lineSpacing + QFontMetricsF(strengthFont(textScale)).height();
    return static_cast<int>(std::ceil(height));
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
        painter.setFont(placeholderFont());
        painter.setPen(palette.textMuted);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, placeholderText());
        return;
    }
    fillRoundedRect(painter, rect(), panelRadius, palette.panel);
    const QRectF content = QRectF(rect()).adjusted(panelPadding, panelPadding, -panelPadding, -panelPadding);
    const qreal headline = headlineHeight(ScaledFont::textScale());

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

}  // namespace pellox::app
