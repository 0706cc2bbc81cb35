#pragma once
// Turns the hand's engine events into chip flights, each event once: blinds and chips put in fly from the
// seat to the pot, awards from the pot to the winner's seat.
#include <QPointF>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "table/ChipFlightLayer.hpp"
#include "table/HandKey.hpp"

namespace pellox {
struct EngineEvent;
}

namespace pellox::app {

class ChipFlightConsumer {
  public:
    // The centre of a player's seat box, or none when the player has no box on the felt.
    using SeatPoint = std::function<std::optional<QPointF>(std::string_view playerId)>;

    // Flights for the events from the first one not yet consumed. A shorter list, or another hand, starts
    // over from the first event.
    std::vector<ChipFlightLayer::ActiveFlight> consume(std::span<const EngineEvent> events,
                                                       const HandKey& hand, const SeatPoint& seatPoint,
                                                       QPointF potPoint);
    std::int64_t consumed() const noexcept { return consumed_; }

  private:
    HandKey hand_;
    std::int64_t consumed_ = 0;
};

}  // namespace pellox::app
