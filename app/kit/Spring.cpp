#include "kit/Spring.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace pellox::app {
namespace {

constexpr double settleTolerance = 0.001;
constexpr int dampingSteps = 20;  // dampings 0.05, 0.10, ..., 1.00

double quantisedDamping(double damping) {
    const double step = std::clamp(std::round(damping * dampingSteps), 1.0, double(dampingSteps));
    return step / dampingSteps;
}

// Position of a unit spring (natural frequency 2π per second) released at 0 towards 1.
double unitPosition(double damping, double t) {
    const double w = 2 * std::numbers::pi;
    if (damping >= 1) return 1 - std::exp(-w * t) * (1 + w * t);
    const double wd = w * std::sqrt(1 - damping * damping);
    return 1 - std::exp(-damping * w * t) * (std::cos(wd * t) + damping * w / wd * std::sin(wd * t));
}

// Settle time of a unit spring: from the decay envelope below 1, by bisection at critical damping.
double unitSettle(double damping) {
    const double w = 2 * std::numbers::pi;
    if (damping < 1) {
        return std::log(1 / (settleTolerance * std::sqrt(1 - damping * damping))) / (damping * w);
    }
    double lo = 0, hi = 10;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (std::exp(-w * mid) * (1 + w * mid) > settleTolerance ? lo : hi) = mid;
    }
    return hi;
}

// QEasingCurve takes a plain function, so each damping step gets its own instantiation.
template <int Step>
qreal springCurve(qreal progress) {
    if (progress >= 1) return 1;
    constexpr double damping = double(Step) / dampingSteps;
    return unitPosition(damping, progress * unitSettle(damping));
}

template <int... Steps>
constexpr auto curveTable(std::integer_sequence<int, Steps...>) {
    return std::array<QEasingCurve::EasingFunction, sizeof...(Steps)>{&springCurve<Steps + 1>...};
}

}  // namespace

double Spring::settleDuration() const {
    return std::max(response, 0.0) * unitSettle(quantisedDamping(dampingFraction));
}

QEasingCurve Spring::easingCurve() const {
    static const auto table = curveTable(std::make_integer_sequence<int, dampingSteps>{});
    const auto step = static_cast<size_t>(std::lround(quantisedDamping(dampingFraction) * dampingSteps)) - 1;
    QEasingCurve curve;
    curve.setCustomType(table[step]);
    return curve;
}

double Spring::position(double seconds) const {
    if (response <= 0 || seconds >= settleDuration()) return 1;
    return unitPosition(quantisedDamping(dampingFraction), std::max(seconds, 0.0) / response);
}

}  // namespace pellox::app
