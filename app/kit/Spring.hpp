#pragma once
#include <QEasingCurve>

namespace pellox::app {

// A spring animation given as response (seconds of one undamped period) and damping fraction, turned into an
// easing curve over the time the spring takes to settle. A damping below 1 overshoots the target and swings
// back; 1 (critical) approaches it without overshoot. Dampings are taken in steps of 0.05 within [0.05, 1].
struct Spring {
    double response = 0.55;
    double dampingFraction = 0.825;

    // Seconds until the motion stays within 0.1% of the distance from the target.
    double settleDuration() const;
    // Progress 0..1 of the duration to the position (0 at the start, 1 at the target; may exceed 1).
    QEasingCurve easingCurve() const;
    // The position at `seconds` after the start: 0 at the start, 1 at rest.
    double position(double seconds) const;
};

}  // namespace pellox::app
