#pragma once
#include <vector>

#include "rules/EngineEvent.hpp"
#include "rules/TableState.hpp"

namespace pellox {

// The table after one engine step with that step's events, oldest first.
struct EngineResult {
    TableState state;
    std::vector<EngineEvent> events;
};

}  // namespace pellox
