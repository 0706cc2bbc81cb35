#pragma once
// The current hand told street by street, from its engine events.
#include <vector>

#include "rules/EngineEvent.hpp"
#include "view/ActionLogStreet.hpp"
#include "view/PlayerNameSource.hpp"

namespace pellox {

struct ActionLog {
    static std::vector<ActionLogStreet> build(const std::vector<EngineEvent>& events,
                                              const PlayerNameSource& name);
};

}  // namespace pellox
