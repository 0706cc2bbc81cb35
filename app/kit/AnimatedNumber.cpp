#include "kit/AnimatedNumber.hpp"

#include <QVariantAnimation>
#include <algorithm>

#include "kit/Motion.hpp"
#include "kit/Spring.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {

AnimatedNumber::AnimatedNumber(double initial, QObject* parent)
    : QObject(parent),
      animation_(new QVariantAnimation(this)),
      value_(initial),
      start_(initial),
      target_(initial) {
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        if (animation_->state() != QAbstractAnimation::Running) return;
        value_ = v.toDouble();
        emit valueChanged(value_);
    });
    connect(animation_, &QVariantAnimation::finished, this, [this] { land(target_); });
}

double AnimatedNumber::boundedValue() const {
    return std::clamp(value_, std::min(start_, target_), std::max(start_, target_));
}

bool AnimatedNumber::isRunning() const {
    return animation_->state() == QAbstractAnimation::Running;
}

void AnimatedNumber::animateTo(double target, int milliseconds, const QEasingCurve& curve) {
    if (target == target_ && (isRunning() || value_ == target)) return;
    // A new move starts where the last one is shown, which an overshoot never passes.
    start_ = boundedValue();
    animation_->stop();
    target_ = target;
    if (milliseconds <= 0 || value_ == target) {
        land(target);
        return;
    }
    animation_->setStartValue(value_);
    animation_->setEndValue(target);
    animation_->setDuration(milliseconds);
    animation_->setEasingCurve(curve);
    animation_->start();
}

void AnimatedNumber::animateTo(double target, const Spring& spring, bool reduceMotion) {
    animateTo(target, Motion::milliseconds(spring.settleDuration(), reduceMotion), spring.easingCurve());
}

void AnimatedNumber::animateTo(double target, const Spring& spring, const AppContext& context) {
    animateTo(target, spring, context.reduceMotion());
}

void AnimatedNumber::jumpTo(double value) {
    animation_->stop();
    start_ = value;
    target_ = value;
    land(value);
}

void AnimatedNumber::land(double value) {
    const bool moved = value != value_;
    value_ = value;
    if (moved) emit valueChanged(value_);
    emit finished();
}

}  // namespace pellox::app
