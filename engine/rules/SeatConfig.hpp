#pragma once
#include <cstdint>
#include <string>

namespace pellox {

// One seat as a game is set up; only used to build the players of a new table.
struct SeatConfig {
    std::string id;
    std::string name;
    bool isBot{false};
    std::int64_t startingStack{0};
};

}  // namespace pellox
