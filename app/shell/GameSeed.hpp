#pragma once
#include <QString>
#include <cstdint>
#include <optional>

namespace pellox::app {

// The seed of every game started from the home screen when PELLOX_SEED holds a whole number that fits the
// stored seed; none otherwise, so each game draws its own. Lets a test or a bug report replay a game.
std::optional<std::int32_t> fixedGameSeed();
std::optional<std::int32_t> parseGameSeed(const QString& text);

}  // namespace pellox::app
