#include "kit/ToggleSwitch.hpp"

#include <QFontMetrics>
#include <QPainter>

#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr QSizeF trackSize{32, 18};
constexpr qreal knobInset = 2;
constexpr int titleSpacing = 12;
constexpr int rowHeight = 24;
constexpr qreal disabledOpacity = 0.45;
constexpr qreal focusRadius = 4;

}  // namespace

ToggleSwitch::ToggleSwitch(const AppContext& context, const QString& title, QWidget* parent)
    : QAbstractButton(parent), context_(context) {
    setText(title);
    setAccessibleName(title);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    KitControl::install(this, QAccessible::CheckBox);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
}

QSize ToggleSwitch::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text()) + titleSpacing + static_cast<int>(trackSize.width()),
            rowHeight};
}

QSize ToggleSwitch::minimumSizeHint() const {
    return sizeHint();
}

QRectF ToggleSwitch::trackRect() const {
    return {width() - trackSize.width(), (height() - trackSize.height()) / 2, trackSize.width(),
            trackSize.height()};
}

void ToggleSwitch::paintEvent(QPaintEvent*) {
    const Palette& palette = context_.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) painter.setOpacity(disabledOpacity);

    const QRectF track = trackRect();
    painter.setPen(palette.text);
    painter.drawText(QRectF(0, 0, track.left() - titleSpacing, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     text());

    fillCapsule(painter, track, isChecked() ? palette.accent : palette.seatEmpty);
    strokeCapsuleInside(painter, track, isChecked() ? palette.accent : palette.border, 1);
    const qreal knob = track.height() - 2 * knobInset;
    const qreal x = isChecked() ? track.right() - knobInset - knob : track.left() + knobInset;
    const QRectF knobRect(x, track.top() + knobInset, knob, knob);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? palette.onAccent : palette.text);
    painter.drawEllipse(knobRect);
    if (KitControl::showsFocus(this))
        KitControl::paintFocusRing(painter, rect(), focusRadius, palette.accent);
}

}  // namespace pellox::app
