#include "review/RangeLegendView.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr qreal itemSpacing = 16;
constexpr qreal swatchSpacing = 4;
constexpr qreal swatchSide = 12;
constexpr qreal swatchRadius = 3;

constexpr double legendTextSize = 12;

QFont legendFont(double textScale = ScaledFont::textScale()) {
    return fixedFont(legendTextSize * textScale, FontWeight::semibold);
}

}  // namespace

RangeLegendView::RangeLegendView(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RangeLegendView::setItems(const std::array<Item, 3>& items) {
    items_ = items;
    setAccessibleName(items_[0].text + QStringLiteral(", ") + items_[1].text + QStringLiteral(", ") +
                      items_[2].text);
    updateGeometry();
    update();
}

qreal RangeLegendView::itemWidth(const Item& item) const {
    return swatchSide + swatchSpacing + QFontMetricsF(legendFont()).horizontalAdvance(item.text);
}

qreal RangeLegendView::contentWidth() const {
    return itemWidth(items_[0]) + itemWidth(items_[1]) + itemWidth(items_[2]) + 2 * itemSpacing;
}

int RangeLegendView::heightAt(double textScale) {
    return static_cast<int>(std::ceil(std::max(swatchSide, QFontMetricsF(legendFont(textScale)).height())));
}

QSize RangeLegendView::sizeHint() const {
    return {static_cast<int>(std::ceil(contentWidth())), heightAt(ScaledFont::textScale())};
}

void RangeLegendView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(legendFont());
    painter.setPen(context_.palette().text);
    const qreal midY = height() / 2.0;
    qreal x = (width() - contentWidth()) / 2;
    for (const Item& item : items_) {
        fillRoundedRect(painter, QRectF(x, midY - swatchSide / 2, swatchSide, swatchSide), swatchRadius,
                        item.swatch);
        x += swatchSide + swatchSpacing;
        const qreal textWidth = itemWidth(item) - swatchSide - swatchSpacing;
        painter.drawText(QRectF(x, 0, textWidth + 1, height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.text);
        x += textWidth + itemSpacing;
    }
}

}  // namespace pellox::app
