#pragma once
// An unfinished hand with everything the session needs to continue it exactly.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/GameMode.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/TableState.hpp"
#include "session/SessionSummary.hpp"
#include "store/HandSeat.hpp"
#include "strategy/BotProfile.hpp"

namespace pellox {

struct SessionSnapshot {
    // No chip amount of a playable game comes near this; sums of such amounts cannot overflow.
    static constexpr std::int64_t chipLimit = 1'000'000'000'000;

    TableState table;
    GameMode mode = GameMode::cash;
    std::map<std::string, BotProfile> botProfiles;
    std::vector<EngineEvent> currentHandEvents;
    std::vector<HandSeat> handSeatsSnapshot;
    std::int64_t humanStackAtHandStart = 0;
    std::vector<std::string> eliminationOrder;
    // The 32 bits of the session's seeds and generator states, as signed values.
    std::int32_t sessionSeed = 0;
    std::int32_t gameRngState = 0;
    std::int32_t adviceRngState = 0;
    std::int32_t currentHandSeed = 0;
    SessionSummary sessionSummary;

    // Why the game could not go on from this snapshot (seats, cards, chips), or none when it can.
    std::optional<std::string> inconsistency() const;
    // The id the hand's record has in the history once the hand is over (HandRecord::identifier).
    std::string handId() const;
};

void to_json(Json& j, const SessionSnapshot& s);
// Also refuses a snapshot that reads well but could not be played on (see inconsistency()).
void from_json(const Json& j, SessionSnapshot& s);

}  // namespace pellox
