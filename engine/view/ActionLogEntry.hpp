#pragma once
#include <cstdint>
#include <string>

namespace pellox {

// One line of the action log.
struct ActionLogEntry {
    std::int64_t id = 0;  // index of the producing event in the hand's event list
    std::string text;
    bool isHuman = false;

    friend bool operator==(const ActionLogEntry&, const ActionLogEntry&) = default;
};

}  // namespace pellox
