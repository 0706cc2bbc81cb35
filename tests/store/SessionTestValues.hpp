#pragma once
// Small values shared by the session's unit tests.
#include <string>
#include <string_view>
#include <vector>

#include "rules/Street.hpp"
#include "store/Observed.hpp"
#include "strategy/GradedDecision.hpp"

namespace pellox::test {

// Collects the names of the properties an object announces, in order.
struct Recorder {
    std::vector<std::string> names;
    Observers::Callback callback() {
        return [this](std::string_view name) { names.emplace_back(name); };
    }
};

// A graded decision with only the two fields the tallies read.
inline GradedDecision grade(Street street, bool agreed) {
    GradedDecision g;
    g.street = street;
    g.agreed = agreed;
    return g;
}

}  // namespace pellox::test
