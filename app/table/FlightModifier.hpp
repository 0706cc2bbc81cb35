#pragma once
#include <QPointF>

namespace pellox::app {

// Moves a view's centre from a start point to an end point, shrinking and fading it on the way: the
// pose of one chip flight for a share of its time.
struct FlightModifier {
    struct Pose {
        QPointF centre;
        double opacity = 1;
        double scale = 1;
    };

    QPointF from;
    QPointF to;

    // `timeFraction` 0 is the launch (at `from`, whole, opaque), 1 the arrival; position, opacity and scale
    // travel together on one ease-in-out.
    Pose pose(double timeFraction) const;
};

}  // namespace pellox::app
