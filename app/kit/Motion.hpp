#pragma once
#include <QEasingCurve>

namespace pellox::app {

class AppContext;

// Every on-screen duration passes through here, so reduce motion turns each of them into 0 by the same road
// (an animation of duration 0 lands at once).
struct Motion {
    // Seconds to whole milliseconds (negative or non-finite gives 0); 0 under reduce motion.
    static int milliseconds(double seconds, bool reduceMotion);
    static int milliseconds(double seconds, const AppContext& context);

    // The standard curves of the screens: ease-out (0, 0, 0.58, 1), ease-in (0.42, 0, 1, 1) and
    // ease-in-out (0.42, 0, 0.58, 1) as cubic Bézier curves.
    static QEasingCurve easeOut();
    static QEasingCurve easeIn();
    static QEasingCurve easeInOut();
};

// The hover highlight: brightness +0.08 over 0.12 s, ease-out.
inline constexpr double hoverBrightness = 0.08;
inline constexpr double hoverSeconds = 0.12;

}  // namespace pellox::app
