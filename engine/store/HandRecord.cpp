#include "store/HandRecord.hpp"

#include <array>
#include <utility>

#include "rules/Json.hpp"

namespace pellox {

std::string HandRecord::identifier(std::int64_t handNumber, std::int32_t seed) {
    return std::to_string(handNumber) + "-" + std::to_string(seed);
}

std::string HandRecord::playerName(std::string_view playerId) const {
    for (const auto& seat : seats)
        if (seat.id == playerId) return seat.name;
    return std::string(playerId);
}

std::vector<HandRecord> HandRecord::prependingToHistory(HandRecord record, std::vector<HandRecord> history) {
    history.insert(history.begin(), std::move(record));
    keepNewest(history);
    return history;
}

void HandRecord::keepNewest(std::vector<HandRecord>& history) {
    if (history.size() > historyLimit)
        history.erase(history.begin() + static_cast<std::ptrdiff_t>(historyLimit), history.end());
}

void to_json(Json& j, const HandRecord::BlindsSnapshot& b) {
    j = Json{{"smallBlind", b.smallBlind}, {"bigBlind", b.bigBlind}, {"ante", b.ante}};
}

void from_json(const Json& j, HandRecord::BlindsSnapshot& b) {
    b.smallBlind = json::read<std::int64_t>(j, "smallBlind");
    b.bigBlind = json::read<std::int64_t>(j, "bigBlind");
    b.ante = json::read<std::int64_t>(j, "ante");
}

void to_json(Json& j, const HandRecord& r) {
    j = Json::object();
    j["id"] = r.id;
    j["timestamp"] = json::encodeDate(r.timestamp);
    j["mode"] = r.mode;
    j["handNumber"] = r.handNumber;
    j["blinds"] = r.blinds;
    j["dealerSeatIndex"] = r.dealerSeatIndex;
    j["seats"] = r.seats;
    j["humanHoleCards"] = r.humanHoleCards;
    j["humanPosition"] = r.humanPosition;
    j["board"] = r.board;
    j["seed"] = r.seed;
    j["events"] = r.events;
    j["winners"] = r.winners;
    j["grades"] = r.grades;
    j["humanNet"] = r.humanNet;
}

void from_json(const Json& j, HandRecord& r) {
    r.id = json::read<std::string>(j, "id");
    r.timestamp = json::asDate(json::member(j, "timestamp"));
    r.mode = json::read<GameMode>(j, "mode");
    r.handNumber = json::read<std::int64_t>(j, "handNumber");
    r.blinds = json::read<HandRecord::BlindsSnapshot>(j, "blinds");
    r.dealerSeatIndex = json::read<std::int64_t>(j, "dealerSeatIndex");
    r.seats = json::read<std::vector<HandSeat>>(j, "seats");
    r.humanHoleCards = json::read<std::vector<Card>>(j, "humanHoleCards");
    r.humanPosition = json::read<Position>(j, "humanPosition");
    r.board = json::read<std::vector<Card>>(j, "board");
    r.seed = json::read<std::int32_t>(j, "seed");
    r.events = json::read<std::vector<EngineEvent>>(j, "events");
    r.winners = json::read<std::vector<Winner>>(j, "winners");
    r.grades = json::read<std::vector<GradedDecision>>(j, "grades");
    r.humanNet = json::read<std::int64_t>(j, "humanNet");
}

}  // namespace pellox
