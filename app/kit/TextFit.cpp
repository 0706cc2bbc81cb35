#include "kit/TextFit.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "kit/Fonts.hpp"

namespace pellox::app {

FittedText fitText(const QString& text, const QFont& font, qreal width, qreal minScale,
                   Qt::TextElideMode elide) {
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance <= width) return {text, font, 1};
    const double full = pixelSizeOf(font);
    const qreal floor = std::clamp(minScale, qreal(0.01), qreal(1));
    const qreal needed = width / advance;
    // Advances do not shrink exactly in proportion (hinting), so step down from the estimate until it fits.
    for (qreal scale = std::max(floor, needed); scale >= floor - 1e-9; scale -= 0.02) {
        QFont smaller = withPixelSize(font, full * scale);
        if (QFontMetricsF(smaller).horizontalAdvance(text) <= width) return {text, smaller, scale};
    }
    QFont smallest = withPixelSize(font, full * floor);
    return {QFontMetricsF(smallest).elidedText(text, elide, width), smallest, floor};
}

void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                    qreal minScale, Qt::Alignment alignment, Qt::TextElideMode elide) {
    const FittedText fitted = fitText(text, font, rect.width(), minScale, elide);
    painter.save();
    painter.setFont(fitted.font);
    painter.drawText(rect, static_cast<int>(alignment) | Qt::TextSingleLine, fitted.text);
    painter.restore();
}

}  // namespace pellox::app
