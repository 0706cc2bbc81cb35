#include "table/BadgeView.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "kit/Painting.hpp"

namespace pellox::app {

namespace {

constexpr qreal captionOpacity = 0.75;

}  // namespace

BadgeView::BadgeView(const Style& style, QWidget* parent) : QWidget(parent), style_(style) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BadgeView::setContent(const QString& caption, const QString& value, const QColor& tint) {
    caption_ = caption;
    value_ = value;
    tint_ = tint;
    setAccessibleName(caption_.isEmpty() ? value_ : caption_ + QLatin1Char(' ') + value_);
    updateGeometry();
    update();
}

int BadgeView::baseline() const {
    const QFontMetricsF value(style_.valueFont);
    return static_cast<int>(std::round((height() - value.height()) / 2 + value.ascent()));
}

QSize BadgeView::sizeHint() const {
    const QFontMetricsF value(style_.valueFont);
    qreal width = value.horizontalAdvance(value_);
    qreal height = value.height();
    if (!caption_.isEmpty()) {
        const QFontMetricsF caption(style_.captionFont);
        width += caption.horizontalAdvance(caption_) + style_.spacing;
        height = std::max(height, caption.height());
    }
    const QMargins& p = style_.padding;
    return {static_cast<int>(std::ceil(width)) + p.left() + p.right(),
            static_cast<int>(std::ceil(height)) + p.top() + p.bottom()};
}

void BadgeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTintedBadge(painter, rect(), tint_);
    QRectF content = QRectF(rect()).marginsRemoved(style_.padding.toMarginsF());
    if (!caption_.isEmpty()) {
        painter.setFont(style_.captionFont);
        painter.setPen(withOpacity(tint_, captionOpacity));
        const qreal w = QFontMetricsF(style_.captionFont).horizontalAdvance(caption_);
        painter.drawText(QRectF(content.left(), content.top(), w, content.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
        content.setLeft(content.left() + w + style_.spacing);
    }
    painter.setFont(style_.valueFont);
    painter.setPen(tint_);
    painter.drawText(content, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, value_);
}

}  // namespace pellox::app
