#include "table/FlightModifier.hpp"

#include <algorithm>

#include "kit/Motion.hpp"

namespace pellox::app {

namespace {

constexpr double arrivedScale = 0.6;

}  // namespace

FlightModifier::Pose FlightModifier::pose(double timeFraction) const {
    static const QEasingCurve easeInOut = Motion::easeInOut();
    double t = easeInOut.valueForProgress(std::clamp(timeFraction, 0.0, 1.0));
    return {from + (to - from) * t, 1 - t, 1 - (1 - arrivedScale) * t};
}

}  // namespace pellox::app
