#pragma once
// A finished hand as its replay reads it, without the store's record type.
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "view/PlayerNameSource.hpp"

namespace pellox {

// The members a stored hand record offers the replay (store/HandRecord.hpp's HandRecord has them).
template <typename Record>
concept ReplayableRecord = requires(const Record& r, std::string_view id) {
    r.seats.begin()->id;
    r.seats.begin()->name;
    { r.seats.begin()->seatIndex } -> std::convertible_to<std::int64_t>;
    { r.seats.begin()->startingStack } -> std::convertible_to<std::int64_t>;
    { r.dealerSeatIndex } -> std::convertible_to<std::int64_t>;
    { r.humanHoleCards } -> std::convertible_to<std::span<const Card>>;
    { r.events } -> std::convertible_to<std::span<const EngineEvent>>;
    { r.grades.size() } -> std::convertible_to<std::size_t>;
    { r.playerName(id) } -> std::convertible_to<std::string>;
};

// Views into the record it was made from, which must outlive it.
struct ReplayHand {
    struct Seat {
        std::string_view id;
        std::string_view name;
        std::int64_t seatIndex = 0;
        std::int64_t startingStack = 0;  // before blinds and antes
    };

    std::vector<Seat> seats;  // every player at the start, in table order
    std::int64_t dealerSeatIndex = 0;
    std::span<const Card> humanHoleCards;
    std::span<const EngineEvent> events;  // from handStarted on
    std::size_t gradeCount = 0;           // the human's graded decisions, one per action from the first
    PlayerNameSource playerName;          // the record's own name lookup

    template <ReplayableRecord Record>
    static ReplayHand of(const Record& record) {
        ReplayHand hand;
        hand.seats.reserve(record.seats.size());
        for (const auto& seat : record.seats)
            hand.seats.push_back({seat.id, seat.name, seat.seatIndex, seat.startingStack});
        hand.dealerSeatIndex = record.dealerSeatIndex;
        hand.humanHoleCards = record.humanHoleCards;
        hand.events = record.events;
        hand.gradeCount = record.grades.size();
        hand.playerName = [&record](std::string_view id) { return std::string(record.playerName(id)); };
        return hand;
    }
};

}  // namespace pellox
