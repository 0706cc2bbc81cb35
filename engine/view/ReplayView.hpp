#pragma once
// One frame of the step-by-step replay of a stored hand.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/Card.hpp"
#include "rules/EngineEvent.hpp"
#include "rules/Street.hpp"
#include "view/PlayerNameSource.hpp"
#include "view/ReplayHand.hpp"

namespace pellox {

struct ReplaySeatView {
    std::string id;
    std::string name;
    std::int64_t stack = 0;
    bool folded = false;
    std::optional<std::vector<Card>> knownCards;  // none while unknown
    bool isDealer = false;

    friend bool operator==(const ReplaySeatView&, const ReplaySeatView&) = default;
};

struct ReplayView {
    std::int64_t step = 0;  // the event shown, after clamping
    std::int64_t totalSteps = 0;
    std::vector<ReplaySeatView> seats;
    std::vector<Card> board;
    std::int64_t potSize = 0;
    std::string caption;
    std::optional<std::int64_t> gradeIndex;  // the decision taken at this step, in the record's grades

    // The table after events 0...step (clamped into the hand). A hand without events gives the starting
    // table at step 0 of 0 with an empty caption.
    ReplayView(const ReplayHand& hand, std::int64_t step);
    // A stored HandRecord, read through its members: the view needs no store header.
    template <ReplayableRecord Record>
    ReplayView(const Record& record, std::int64_t step) : ReplayView(ReplayHand::of(record), step) {}

    static const std::map<Street, std::string>& streetTitles();
    // One event on its own. A frame's caption knows the whole hand: the award that hands back a bet nobody
    // matched reads "Uncalled <amount> returned to <name>" there instead of a win.
    static std::string narration(const EngineEvent& event, const PlayerNameSource& name);

    friend bool operator==(const ReplayView&, const ReplayView&) = default;
};

}  // namespace pellox
