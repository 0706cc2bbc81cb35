#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/GameMode.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/Position.hpp"
#include "rules/Winner.hpp"
#include "store/HandSeat.hpp"
#include "store/StoredDate.hpp"
#include "strategy/GradedDecision.hpp"

namespace pellox {

// A finished hand as stored in the history.
struct HandRecord {
    struct BlindsSnapshot {
        std::int64_t smallBlind = 0;
        std::int64_t bigBlind = 0;
        std::int64_t ante = 0;
        friend bool operator==(const BlindsSnapshot&, const BlindsSnapshot&) = default;
    };

    static constexpr std::size_t historyLimit = 200;

    std::string id;  // see identifier()
    Date timestamp{};
    GameMode mode = GameMode::cash;
    std::int64_t handNumber = 0;
    BlindsSnapshot blinds;
    std::int64_t dealerSeatIndex = 0;
    std::vector<HandSeat> seats;  // every player at the start, in table order
    std::vector<Card> humanHoleCards;
    Position humanPosition = Position::btn;
    std::vector<Card> board;
    std::int32_t seed = 0;
    std::vector<EngineEvent> events;  // from handStarted on
    std::vector<Winner> winners;
    std::vector<GradedDecision> grades;
    std::int64_t humanNet = 0;

    // The hand number, "-", then the seed, both in decimal ("7--12345" for a negative seed).
    static std::string identifier(std::int64_t handNumber, std::int32_t seed);
    // The name of the first seat with that id, or the id itself.
    std::string playerName(std::string_view playerId) const;
    // The record followed by the history, cut to the newest 200.
    static std::vector<HandRecord> prependingToHistory(HandRecord record, std::vector<HandRecord> history);
    // Cuts a newest-first history to its newest historyLimit records.
    static void keepNewest(std::vector<HandRecord>& history);

    friend bool operator==(const HandRecord&, const HandRecord&) = default;
};

void to_json(Json& j, const HandRecord::BlindsSnapshot& b);
void from_json(const Json& j, HandRecord::BlindsSnapshot& b);
void to_json(Json& j, const HandRecord& r);
void from_json(const Json& j, HandRecord& r);

}  // namespace pellox
