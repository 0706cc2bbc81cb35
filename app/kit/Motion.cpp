#include "kit/Motion.hpp"

#include <QPointF>
#include <cmath>

#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

QEasingCurve bezier(QPointF first, QPointF second) {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(first, second, QPointF(1, 1));
    return curve;
}

}  // namespace

int Motion::milliseconds(double seconds, bool reduceMotion) {
    if (reduceMotion || !std::isfinite(seconds) || seconds <= 0) return 0;
    return static_cast<int>(std::lround(std::min(seconds, 3600.0) * 1000));
}

int Motion::milliseconds(double seconds, const AppContext& context) {
    return milliseconds(seconds, context.reduceMotion());
}

QEasingCurve Motion::easeOut() {
    return bezier({0, 0}, {0.58, 1});
}
QEasingCurve Motion::easeIn() {
    return bezier({0.42, 0}, {1, 1});
}
QEasingCurve Motion::easeInOut() {
    return bezier({0.42, 0}, {0.58, 1});
}

}  // namespace pellox::app
