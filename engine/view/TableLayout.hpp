#pragma once
// Where the seat boxes and the centre box (board and pot) sit on an oval felt of any canvas size, and the
// common scale of everything drawn on it.
#include <cstdint>
#include <span>
#include <vector>

#include "view/Geometry.hpp"

namespace pellox {

struct TableLayout {
    static constexpr Size designSize{463, 476.5};
    static constexpr Size seatSize{96, 156};
    static constexpr Size centerSize{160, 92};
    static constexpr double edgeInset = 16;
    static constexpr double centerClearance = 6;
    static constexpr double minScale = 0.35;
    static constexpr double maxScale = 1.5;

    struct SeatPlacement {
        std::int64_t index = 0;
        Rect frame;
        friend bool operator==(const SeatPlacement&, const SeatPlacement&) = default;
    };

    struct Result {
        double scale = minScale;
        std::vector<SeatPlacement> seats;
        Rect center;
    };

    // Degrees, 0 at the bottom centre, 90 at the right end, 180 at the top; counts clamp to 1...6.
    static std::vector<double> seatAngles(std::int64_t seatCount);

    static Result compute(std::int64_t seatCount, Size size);
    static double scale(Size size);
    static std::vector<Rect> seatFrames(std::int64_t seatCount, Size size, double scale);
    static Rect clampToCanvas(const Rect& rect, Size size);
    static Rect centerFrame(std::span<const Rect> avoiding, Size size, double scale);
};

}  // namespace pellox
