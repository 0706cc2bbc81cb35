#pragma once
// Plain canvas geometry for the table layout: origin at the top left, y growing downwards.
#include <algorithm>

namespace pellox {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    double minX() const { return std::min(origin.x, origin.x + size.width); }
    double maxX() const { return std::max(origin.x, origin.x + size.width); }
    double minY() const { return std::min(origin.y, origin.y + size.height); }
    double maxY() const { return std::max(origin.y, origin.y + size.height); }
    Point center() const { return {(minX() + maxX()) / 2, (minY() + maxY()) / 2}; }

    // Same rectangle with non-negative width and height.
    Rect standardized() const { return {minX(), minY(), maxX() - minX(), maxY() - minY()}; }

    // Moves every edge inwards by dx and dy (outwards when negative), like CGRectInset. A rectangle shrunk
    // past empty collapses to zero size at its centre.
    Rect insetBy(double dx, double dy) const {
        Rect r = standardized();
        double w = r.size.width - 2 * dx;
        double h = r.size.height - 2 * dy;
        if (w < 0 || h < 0) {
            Point c = r.center();
            return {c.x, c.y, 0, 0};
        }
        return {r.origin.x + dx, r.origin.y + dy, w, h};
    }

    // Closed intervals, as CoreGraphics tests them: rectangles that only touch along an edge or a corner
    // intersect, and so does a zero-size rectangle lying inside or on the edge of the other.
    bool intersects(const Rect& other) const {
        return minX() <= other.maxX() && other.minX() <= maxX() && minY() <= other.maxY() &&
               other.minY() <= maxY();
    }

    // Equal as rectangles: the same area once standardized.
    friend bool operator==(const Rect& a, const Rect& b) {
        Rect sa = a.standardized();
        Rect sb = b.standardized();
        return sa.origin == sb.origin && sa.size == sb.size;
    }
};

}  // namespace pellox
