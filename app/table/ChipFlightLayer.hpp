#pragma once
#include <QPointF>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class QPainter;

namespace pellox::app {

struct Palette;

// Every chip capsule in the air. The felt owns the list of flights; the layer remembers when each one
// (by id) was launched, tells which have ended, and paints them. It takes no pointer input and has no
// accessibility element: taps pass through to the felt.
class ChipFlightLayer {
  public:
    struct ActiveFlight {
        std::string id;  // "blind-", "action-" or "award-" and the engine event's index
        std::int64_t amount = 0;
        QPointF from;  // in the felt's table coordinates
        QPointF to;
        friend bool operator==(const ActiveFlight&, const ActiveFlight&) = default;
    };

    // Launches the flights new to the list (a flight already in the air keeps its start when others come
    // or go), forgets those gone from it, and returns the ids whose time is up: at once for a duration of 0,
    // so the owner removes them before they are ever drawn.
    std::vector<std::string> update(std::span<const ActiveFlight> flights, double duration, double now);

    // Draws each launched flight at its pose of `now`; a flight not launched yet sits at its start.
    void paint(QPainter& painter, std::span<const ActiveFlight> flights, double now,
               const Palette& palette) const;

    // Some flight is still moving: the owner keeps its frame clock running.
    bool isAnimating(double now) const;

  private:
    struct Launch {
        double start = 0;
        double duration = 0;
        bool reported = false;
    };
    double timeFraction(const std::string& id, double now) const;

    std::unordered_map<std::string, Launch> launches_;
};

}  // namespace pellox::app
