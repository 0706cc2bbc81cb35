#pragma once
#include <QEasingCurve>
#include <QObject>

class QVariantAnimation;

namespace pellox::app {

class AppContext;
struct Spring;

// A number that moves to each new target along a curve, for painters and widgets to read while it moves
// (an opacity, a scale, an offset, a count). It runs on Qt's animation clock, one timer for every animation
// of the process that stops when none runs, so the motion follows elapsed time, never leaves a timer behind,
// and a test can drive it through an animation driver of its own. Durations come through Motion: under
// reduce motion every move lands at once, by the same road.
class AnimatedNumber : public QObject {
    Q_OBJECT

  public:
    explicit AnimatedNumber(double initial = 0, QObject* parent = nullptr);

    double value() const noexcept { return value_; }
    double target() const noexcept { return target_; }
    // The value kept between where the move started and its target: a spring passes its target, an amount
    // counting to a new one never shows more than either end.
    double boundedValue() const;
    bool isRunning() const;

    // From where it stands to `target` over `milliseconds` (0 lands at once). A move to the target it
    // already heads for changes nothing, so repeated refreshes never restart a motion.
    void animateTo(double target, int milliseconds, const QEasingCurve& curve);
    // Along the spring's curve over its settle time; at once under reduce motion.
    void animateTo(double target, const Spring& spring, bool reduceMotion);
    void animateTo(double target, const Spring& spring, const AppContext& context);
    // There at once, whatever was moving.
    void jumpTo(double value);

  signals:
    void valueChanged(double value);
    // The target is reached (also after a move that landed at once).
    void finished();

  private:
    void land(double value);

    QVariantAnimation* animation_;
    double value_;
    double start_;
    double target_;
};

}  // namespace pellox::app
