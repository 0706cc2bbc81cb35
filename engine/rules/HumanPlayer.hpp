#pragma once
#include <string_view>

namespace pellox {

// The human player's id, shared by the session and the readers of its records.
inline constexpr std::string_view humanPlayerId{"human"};
// The name the session seats the human under, and how the texts of a hand address the human.
inline constexpr std::string_view humanPlayerName{"You"};

}  // namespace pellox
