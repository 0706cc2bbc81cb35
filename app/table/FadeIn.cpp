#include "table/FadeIn.hpp"

#include <QGraphicsOpacityEffect>
#include <QVariantAnimation>
#include <QWidget>
#include <algorithm>

#include "kit/Motion.hpp"
#include "kit/Spring.hpp"

namespace pellox::app {

namespace {

const char* const fadeName = "pellox-fade-in";

}  // namespace

void fadeIn(QWidget& widget, const Spring& spring, const AppContext& context) {
    delete widget.findChild<QVariantAnimation*>(fadeName, Qt::FindDirectChildrenOnly);
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget.graphicsEffect());
    if (!effect) {
        // Another effect (a hover highlight) is left alone: that widget simply appears.
        if (widget.graphicsEffect()) return;
        effect = new QGraphicsOpacityEffect(&widget);
        widget.setGraphicsEffect(effect);
    }
    effect->setOpacity(0);
    auto* fade = new QVariantAnimation(&widget);
    fade->setObjectName(fadeName);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->setEasingCurve(spring.easingCurve());
    fade->setDuration(Motion::milliseconds(spring.settleDuration(), context));
    QObject::connect(fade, &QVariantAnimation::valueChanged, effect, [effect](const QVariant& value) {
        effect->setOpacity(std::clamp(value.toReal(), 0.0, 1.0));
    });
    QObject::connect(fade, &QVariantAnimation::finished, &widget, [&widget, fade] {
        widget.setGraphicsEffect(nullptr);
        fade->deleteLater();
    });
    fade->start();
}

}  // namespace pellox::app
