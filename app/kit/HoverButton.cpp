#include "kit/HoverButton.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "kit/PointerHover.hpp"
#include "kit/TextFit.hpp"

namespace pellox::app {
namespace {

constexpr qreal focusRadiusWithoutShape = 6;

}  // namespace

HoverButton::HoverButton(const AppContext& context, const QString& text, QWidget* parent)
    : QAbstractButton(parent), textFont_(scaledFont(13)) {
    setText(text);
    KitControl::install(this);
    setCursor(Qt::PointingHandCursor);
    PointerHover::attach(this, context);
}

void HoverButton::setShape(Shape shape, qreal cornerRadius) {
    shape_ = shape;
    cornerRadius_ = cornerRadius;
    changed();
}

void HoverButton::setFill(const QColor& fill) {
    fill_ = fill;
    update();
}

void HoverButton::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void HoverButton::setStroke(const QColor& color, qreal width) {
    strokeColor_ = color;
    strokeWidth_ = width;
    update();
}

void HoverButton::setTextFont(const QFont& font) {
    textFont_ = font;
    changed();
}

void HoverButton::setSymbol(std::optional<Symbol> symbol, qreal size, FontWeight weight,
                            SymbolPlacement placement, qreal spacing) {
    symbol_ = symbol;
    symbolSize_ = size;
    symbolWeight_ = weight;
    placement_ = placement;
    spacing_ = spacing;
    changed();
}

void HoverButton::setPadding(const QMargins& padding) {
    padding_ = padding;
    changed();
}

void HoverButton::setHitMargins(const QMargins& margins) {
    hitMargins_ = margins;
    changed();
}

void HoverButton::setMinimumTextScale(qreal scale) {
    minTextScale_ = scale;
    update();
}

void HoverButton::setFaceSize(const QSize& size) {
    faceSize_ = size;
    changed();
}

void HoverButton::changed() {
    updateGeometry();
    update();
}

QRectF HoverButton::faceRect() const {
    return QRectF(rect()).marginsRemoved(hitMargins_.toMarginsF());
}

QSizeF HoverButton::contentSize() const {
    const QSizeF textSize = text().isEmpty() ? QSizeF()
                                             : QSizeF(QFontMetricsF(textFont_).horizontalAdvance(text()),
                                                      QFontMetricsF(textFont_).height());
    if (!symbol_) return textSize;
    const QSizeF symbol(symbolSize_, symbolSize_);
    if (text().isEmpty()) return symbol;
    if (placement_ == SymbolPlacement::above) {
        return {std::max(symbol.width(), textSize.width()), symbol.height() + spacing_ + textSize.height()};
    }
    return {symbol.width() + spacing_ + textSize.width(), std::max(symbol.height(), textSize.height())};
}

QSize HoverButton::sizeHint() const {
    QSize face = faceSize_;
    if (face.isEmpty()) {
        const QSizeF content = contentSize();
        face =
            QSize(static_cast<int>(std::ceil(content.width())), static_cast<int>(std::ceil(content.height())))
                .grownBy(padding_);
    }
    return face.grownBy(hitMargins_);
}

QSize HoverButton::minimumSizeHint() const {
    if (!faceSize_.isEmpty()) return sizeHint();
    // Text may shrink and elide, so only the symbol and padding are a hard minimum.
    const int symbol = symbol_ ? static_cast<int>(std::ceil(symbolSize_)) : 0;
    return QSize(symbol, std::max(symbol, static_cast<int>(std::ceil(QFontMetricsF(textFont_).height()))))
        .grownBy(padding_)
        .grownBy(hitMargins_);
}

void HoverButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QAbstractButton::changeEvent(event);
}

void HoverButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = faceRect();
    const qreal radius =
        shape_ == Shape::roundedRect ? cornerRadius_ : std::min(face.width(), face.height()) / 2;
    if (shape_ != Shape::none) {
        QPainterPath path = shape_ == Shape::circle ? QPainterPath() : roundedRectPath(face, radius);
        if (shape_ == Shape::circle) path.addEllipse(face);
        painter.fillPath(path, fill_);
        if (strokeWidth_ > 0) {
            if (shape_ == Shape::circle) {
                strokeEllipseInside(painter, face, strokeColor_, strokeWidth_);
            } else {
                strokeRoundedRectInside(painter, face, radius, strokeColor_, strokeWidth_);
            }
        }
    }
    paintContent(painter, face.marginsRemoved(padding_.toMarginsF()));
    if (KitControl::showsFocus(this)) paintFocus(painter, face, radius);
}

void HoverButton::paintFocus(QPainter& painter, const QRectF& face, qreal radius) const {
    if (shape_ == Shape::circle) {
        strokeEllipseInside(painter, face.adjusted(1, 1, -1, -1), textColor_, 2);
        return;
    }
    KitControl::paintFocusRing(painter, face, shape_ == Shape::none ? focusRadiusWithoutShape : radius,
                               textColor_);
}

void HoverButton::paintContent(QPainter& painter, const QRectF& content) const {
    painter.setPen(textColor_);
    if (!symbol_) {
        drawFittedText(painter, content, text(), textFont_, minTextScale_);
        return;
    }
    if (text().isEmpty()) {
        paintSymbol(painter, *symbol_, content, symbolSize_, textColor_, symbolWeight_);
        return;
    }
    const QSizeF size = contentSize();
    if (placement_ == SymbolPlacement::above) {
        const qreal top = content.center().y() - size.height() / 2;
        paintSymbol(painter, *symbol_, QRectF(content.left(), top, content.width(), symbolSize_), symbolSize_,
                    textColor_, symbolWeight_);
        const QRectF textRect(content.left(), top + symbolSize_ + spacing_, content.width(),
                              size.height() - symbolSize_ - spacing_);
        drawFittedText(painter, textRect, text(), textFont_, minTextScale_);
        return;
    }
    const qreal left = std::max(content.left(), content.center().x() - size.width() / 2);
    paintSymbol(painter, *symbol_, QRectF(left, content.top(), symbolSize_, content.height()), symbolSize_,
                textColor_, symbolWeight_);
    const QRectF textRect(left + symbolSize_ + spacing_, content.top(),
                          content.right() - left - symbolSize_ - spacing_, content.height());
    drawFittedText(painter, textRect, text(), textFont_, minTextScale_, Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace pellox::app
