#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace pellox {

// From a player id to the name shown for it.
using PlayerNameSource = std::function<std::string(std::string_view playerId)>;

}  // namespace pellox
