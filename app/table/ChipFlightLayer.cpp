#include "table/ChipFlightLayer.hpp"

#include <QPainter>
#include <algorithm>

#include "table/ChipStackView.hpp"
#include "table/FlightModifier.hpp"

namespace pellox::app {

std::vector<std::string> ChipFlightLayer::update(std::span<const ActiveFlight> flights, double duration,
                                                 double now) {
    std::erase_if(launches_, [&](const auto& entry) {
        return std::none_of(flights.begin(), flights.end(),
                            [&](const ActiveFlight& f) { return f.id == entry.first; });
    });
    std::vector<std::string> ended;
    for (const ActiveFlight& flight : flights) {
        Launch& launch = launches_.try_emplace(flight.id, Launch{now, duration, false}).first->second;
        if (!launch.reported && now - launch.start >= launch.duration) {
            launch.reported = true;
            ended.push_back(flight.id);
        }
    }
    return ended;
}

double ChipFlightLayer::timeFraction(const std::string& id, double now) const {
    auto it = launches_.find(id);
    if (it == launches_.end()) return 0;
    const Launch& launch = it->second;
    if (launch.duration <= 0) return 0;  // ends without moving
    return std::clamp((now - launch.start) / launch.duration, 0.0, 1.0);
}

void ChipFlightLayer::paint(QPainter& painter, std::span<const ActiveFlight> flights, double now,
                            const Palette& palette) const {
    for (const ActiveFlight& flight : flights) {
        FlightModifier::Pose pose = FlightModifier{flight.from, flight.to}.pose(timeFraction(flight.id, now));
        if (pose.opacity <= 0) continue;
        painter.save();
        painter.setOpacity(painter.opacity() * pose.opacity);
        painter.translate(pose.centre);
        painter.scale(pose.scale, pose.scale);
        ChipStackView(flight.amount).paint(painter, QPointF(0, 0), palette);
        painter.restore();
    }
}

bool ChipFlightLayer::isAnimating(double now) const {
    return std::any_of(launches_.begin(), launches_.end(),
                       [now](const auto& entry) { return now - entry.second.start < entry.second.duration; });
}

}  // namespace pellox::app
