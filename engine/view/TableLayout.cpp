#include "view/TableLayout.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pellox {

namespace {

constexpr double seatGap = 3;
constexpr double shrinkPerTry = 0.94;
constexpr double centerShrinkPerTry = 0.92;
constexpr double smallestCenterFactor = 0.2;

bool hasArea(Size size) {
    return size.width > 0 && size.height > 0;
}

bool anyOverlap(const std::vector<Rect>& frames) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        Rect grown = frames[i].insetBy(-seatGap, -seatGap);
        for (std::size_t j = i + 1; j < frames.size(); ++j)
            if (grown.intersects(frames[j])) return true;
    }
    return false;
}

}  // namespace

std::vector<double> TableLayout::seatAngles(std::int64_t seatCount) {
    switch (std::clamp<std::int64_t>(seatCount, 1, 6)) {
        case 1:
            return {0};
        case 2:
            return {0, 180};
        case 3:
            return {0, 250, 110};
        case 4:
            return {0, 270, 180, 90};
        case 5:
            return {0, 288, 216, 144, 72};
        default:
            return {0, 300, 240, 180, 120, 60};
    }
}

Rect TableLayout::clampToCanvas(const Rect& rect, Size size) {
    const double w = size.width;
    const double h = size.height;
    if (!hasArea(size)) return {};
    const double width = std::min(std::max(w - 2 * edgeInset, 0.0), rect.size.width);
    const double height = std::min(std::max(h - 2 * edgeInset, 0.0), rect.size.height);
    const double x = std::min(std::max(w - width - edgeInset, edgeInset), std::max(rect.origin.x, edgeInset));
    const double y =
        std::min(std::max(h - height - edgeInset, edgeInset), std::max(rect.origin.y, edgeInset));
    return {x, y, width, height};
}

double TableLayout::scale(Size size) {
    if (!hasArea(size)) return minScale;
    const double s = std::min(size.width / designSize.width, size.height / designSize.height);
    return std::max(std::min(s, maxScale), minScale);
}

std::vector<Rect> TableLayout::seatFrames(std::int64_t seatCount, Size size, double scale) {
    const std::vector<double> angles = seatAngles(seatCount);
    if (!hasArea(size)) return std::vector<Rect>(angles.size());
    const double halfW = seatSize.width / 2 * scale;
    const double halfH = seatSize.height / 2 * scale;
    const double rx = std::max(size.width / 2 - halfW - edgeInset, 0.0);
    const double ry = std::max(size.height / 2 - halfH - edgeInset, 0.0);
    std::vector<Rect> frames;
    frames.reserve(angles.size());
    for (double degrees : angles) {
        const double theta = degrees * std::numbers::pi / 180;
        const Rect raw{size.width / 2 + rx * std::sin(theta) - halfW,
                       size.height / 2 + ry * std::cos(theta) - halfH, seatSize.width * scale,
                       seatSize.height * scale};
        frames.push_back(clampToCanvas(raw, size));
    }
    return frames;
}

Rect TableLayout::centerFrame(std::span<const Rect> avoiding, Size size, double scale) {
    const Rect fallback{size.width / 2, size.height / 2, 0, 0};
    for (double f = scale; f > smallestCenterFactor; f *= centerShrinkPerTry) {
        const Rect candidate = clampToCanvas(
            {size.width / 2 - centerSize.width / 2 * f, size.height / 2 - centerSize.height / 2 * f,
             centerSize.width * f, centerSize.height * f},
            size);
        const bool clear = std::none_of(avoiding.begin(), avoiding.end(), [&](const Rect& seat) {
            return seat.insetBy(-centerClearance, -centerClearance).intersects(candidate);
        });
        if (clear) return candidate;
    }
    return fallback;
}

TableLayout::Result TableLayout::compute(std::int64_t seatCount, Size size) {
    const std::int64_t count = std::max<std::int64_t>(seatCount, 1);
    double s = scale(size);
    if (hasArea(size)) {
        while (s > minScale && anyOverlap(seatFrames(count, size, s)))
            s *= shrinkPerTry;
    }
    Result result;
    result.scale = std::max(s, minScale);
    const std::vector<Rect> frames = seatFrames(count, size, result.scale);
    for (std::size_t k = 0; k < frames.size(); ++k)
        result.seats.push_back({static_cast<std::int64_t>(k), frames[k]});
    result.center = centerFrame(frames, size, result.scale);
    return result;
}

}  // namespace pellox
