#include "rules/EngineEvent.hpp"

#include "rules/Json.hpp"

namespace pellox {

namespace {

using E = EngineEvent;

Json payload(const E::HandStarted& c) {
    return {{"handNumber", c.handNumber}, {"dealerSeatIndex", c.dealerSeatIndex}};
}
Json payload(const E::BlindPosted& c) {
    return {{"playerId", c.playerId}, {"kind", c.kind}, {"amount", c.amount}};
}
Json payload(const E::HoleCardsDealt& c) {
    return {{"playerId", c.playerId}};
}
Json payload(const E::ActionTaken& c) {
    return {{"playerId", c.playerId},
            {"action", c.action},
            {"resolvedType", c.resolvedType},
            {"amountPutIn", c.amountPutIn}};
}
Json payload(const E::StreetDealt& c) {
    return {{"street", c.street}, {"cards", c.cards}};
}
Json payload(const E::ShowdownRevealed& c) {
    return {{"playerId", c.playerId}, {"holeCards", c.holeCards}, {"handDescription", c.handDescription}};
}
Json payload(const E::PotAwarded& c) {
    return {{"playerId", c.playerId}, {"amount", c.amount}, {"potIndex", c.potIndex}};
}
Json payload(const E::PlayerEliminated& c) {
    return {{"playerId", c.playerId}};
}

template <typename T>
T field(const Json& j, std::string_view key) {
    return json::read<T>(j, key);
}

E::Value decode(std::size_t caseNumber, const Json& j) {
    json::requireObject(j);
    switch (caseNumber) {
        case 0:
            return E::HandStarted{field<std::int64_t>(j, "handNumber"),
                                  field<std::int64_t>(j, "dealerSeatIndex")};
        case 1:
            return E::BlindPosted{field<std::string>(j, "playerId"), field<BlindKind>(j, "kind"),
                                  field<std::int64_t>(j, "amount")};
        case 2:
            return E::HoleCardsDealt{field<std::string>(j, "playerId")};
        case 3:
            return E::ActionTaken{field<std::string>(j, "playerId"), field<PlayerAction>(j, "action"),
                                  field<PlayerActionType>(j, "resolvedType"),
                                  field<std::int64_t>(j, "amountPutIn")};
        case 4:
            return E::StreetDealt{field<Street>(j, "street"), field<std::vector<Card>>(j, "cards")};
        case 5:
            return E::ShowdownRevealed{field<std::string>(j, "playerId"),
                                       field<std::vector<Card>>(j, "holeCards"),
                                       field<std::string>(j, "handDescription")};
        case 6:
            return E::PotAwarded{field<std::string>(j, "playerId"), field<std::int64_t>(j, "amount"),
                                 field<std::int64_t>(j, "potIndex")};
        default:
            return E::PlayerEliminated{field<std::string>(j, "playerId")};
    }
}

}  // namespace

void to_json(Json& j, const EngineEvent& e) {
    j = Json::object();
    j[std::string(e.caseName())] = std::visit([](const auto& c) { return payload(c); }, e.value);
}

void from_json(const Json& j, EngineEvent& e) {
    json::requireObject(j);
    // Only members named after a case count; anything else in the object is ignored.
    std::size_t found = 0;
    std::size_t caseNumber = 0;
    for (std::size_t i = 0; i < EngineEvent::caseNames.size(); ++i) {
        if (j.contains(EngineEvent::caseNames[i])) {
            ++found;
            caseNumber = i;
        }
    }
    if (found != 1) json::fail(j, "Invalid number of keys found, expected one.");
    e.value = decode(caseNumber, j.at(std::string(EngineEvent::caseNames[caseNumber])));
}

}  // namespace pellox
