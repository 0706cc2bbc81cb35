#include "table/ChipFlightConsumer.hpp"

#include "rules/EngineEvent.hpp"
#include "view/ChipFlight.hpp"

namespace pellox::app {

std::vector<ChipFlightLayer::ActiveFlight> ChipFlightConsumer::consume(std::span<const EngineEvent> events,
                                                                       const HandKey& hand,
                                                                       const SeatPoint& seatPoint,
                                                                       QPointF potPoint) {
    const auto n = static_cast<std::int64_t>(events.size());
    if (n < consumed_ || hand != hand_) consumed_ = 0;
    hand_ = hand;
    std::vector<ChipFlightLayer::ActiveFlight> out;
    for (std::int64_t i = consumed_; i < n; ++i) {
        const auto flight = ChipFlight::make(events[static_cast<std::size_t>(i)], i);
        if (!flight) continue;
        const auto seat = seatPoint(flight->playerId);
        if (!seat) continue;
        const bool toPot = flight->kind == ChipFlightKind::toPot;
        out.push_back({flight->id, flight->amount, toPot ? *seat : potPoint, toPot ? potPoint : *seat});
    }
    consumed_ = n;
    return out;
}

}  // namespace pellox::app
