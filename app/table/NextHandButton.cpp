#include "table/NextHandButton.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include "kit/Fonts.hpp"
#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "kit/PointerHover.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int faceHeight = 52;
constexpr qreal cornerRadius = 12;
constexpr int lineSpacing = 2;
constexpr qreal keyOpacity = 0.7;

QFont titleFont() {
    return fixedFont(17, FontWeight::heavy);
}

QFont keyFont() {
    return fixedFont(11, FontWeight::semibold);
}

}  // namespace

NextHandButton::NextHandButton(const AppContext& context, QWidget* parent)
    : QAbstractButton(parent), context_(context) {
    setText(tr("Next Hand"));
    setAccessibleName(tr("Next hand"));
    KitControl::install(this);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(faceHeight);
    PointerHover::attach(this, context_);
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
}

QSize NextHandButton::sizeHint() const {
    return {200, faceHeight};
}

void NextHandButton::paintEvent(QPaintEvent*) {
    const Palette& p = context_.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRoundedRect(painter, rect(), cornerRadius, p.accent);
    const QFontMetricsF title(titleFont());
    const QFontMetricsF key(keyFont());
    const qreal top = (height() - title.height() - lineSpacing - key.height()) / 2;
    painter.setPen(p.onAccent);
    painter.setFont(titleFont());
    painter.drawText(QRectF(0, top, width(), title.height()), Qt::AlignHCenter | Qt::AlignTop, text());
    painter.setPen(withOpacity(p.onAccent, keyOpacity));
    painter.setFont(keyFont());
    painter.drawText(QRectF(0, top + title.height() + lineSpacing, width(), key.height()),
                     Qt::AlignHCenter | Qt::AlignTop, tr("Space"));
    if (KitControl::showsFocus(this)) KitControl::paintFocusRing(painter, rect(), cornerRadius, p.onAccent);
}

}  // namespace pellox::app
