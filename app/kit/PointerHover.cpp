#include "kit/PointerHover.hpp"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QVariantAnimation>
#include <QWidget>
#include <algorithm>

#include "kit/Motion.hpp"

namespace pellox::app {
namespace {

// Brightness adds to premultiplied colour, so translucent pixels brighten in proportion to their opacity.
void brighten(QImage& image, qreal amount) {
    const int add = static_cast<int>(amount * 255 + 0.5);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a == 0) continue;
            const int delta = add * a / 255;
            line[x] = qRgba(std::min(a, qRed(p) + delta), std::min(a, qGreen(p) + delta),
                            std::min(a, qBlue(p) + delta), a);
        }
    }
}

}  // namespace

PointerHover::PointerHover(QWidget* widget, const AppContext& context)
    : QGraphicsEffect(widget), context_(context), animation_(new QVariantAnimation(this)) {
    animation_->setEasingCurve(Motion::easeOut());
    connect(animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setProgress(value.toReal()); });
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

PointerHover* PointerHover::attach(QWidget* widget, const AppContext& context) {
    if (auto* existing = of(widget)) return existing;
    auto* effect = new PointerHover(widget, context);
    widget->setGraphicsEffect(effect);
    return effect;
}

PointerHover* PointerHover::of(const QWidget* widget) {
    return widget ? qobject_cast<PointerHover*>(widget->graphicsEffect()) : nullptr;
}

bool PointerHover::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::HoverEnter:
            setHovering(true);
            break;
        case QEvent::Leave:
        case QEvent::HoverLeave:
        case QEvent::Hide:
            setHovering(false);
            break;
        default:
            break;
    }
    return QGraphicsEffect::eventFilter(watched, event);
}

void PointerHover::setHovering(bool hovering) {
    if (hovering == hovering_) return;
    hovering_ = hovering;
    animation_->stop();
    const qreal target = hovering ? 1 : 0;
    const int ms = Motion::milliseconds(hoverSeconds, context_);
    if (ms == 0) {
        setProgress(target);
        return;
    }
    // A reversal midway continues from where the highlight stands, over the remaining share of the time.
    animation_->setStartValue(progress_);
    animation_->setEndValue(target);
    animation_->setDuration(std::max(1, static_cast<int>(ms * std::abs(target - progress_))));
    animation_->start();
}

void PointerHover::setProgress(qreal progress) {
    if (progress == progress_) return;
    progress_ = progress;
    update();
    emit progressChanged(progress_);
}

void PointerHover::draw(QPainter* painter) {
    if (progress_ <= 0) {
        drawSource(painter);
        return;
    }
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull()) return;
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    brighten(image, hoverBrightness * progress_);
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
}

}  // namespace pellox::app
