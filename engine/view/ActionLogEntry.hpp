#pragma once
#include <cstdint>
#include <string>

namespace pellox {

// One line of the action log.
struct ActionLogEntry {
    // Index of the producing event in the hand's event list. A second line of one event (a bet handed back
    // inside an award that also won) takes -1 - index, so ids stay unique within a log.
    std::int64_t id = 0;
    std::string text;
    bool isHuman = false;

    friend bool operator==(const ActionLogEntry&, const ActionLogEntry&) = default;
};

}  // namespace pellox
