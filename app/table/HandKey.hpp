#pragma once
// Which hand of which game a piece of the table's view state belongs to. Hand numbers start again at 1
// when a new game begins on the same screen, so the hand number alone cannot tell two hands apart.
#include <cstdint>

namespace pellox::app {

struct HandKey {
    std::uint64_t game = 0;
    std::int64_t hand = 0;

    friend bool operator==(const HandKey&, const HandKey&) = default;
};

// Counts the games seen on one screen: a table whose hand number falls (a new game's fresh table, or no
// table at all) begins the next game.
class GameGeneration {
  public:
    explicit GameGeneration(std::int64_t currentHand) : lastHand_(currentHand) {}

    void observe(std::int64_t handNumber) {
        if (handNumber < lastHand_) ++game_;
        lastHand_ = handNumber;
    }
    std::uint64_t game() const noexcept { return game_; }
    HandKey key(std::int64_t handNumber) const noexcept { return {game_, handNumber}; }

  private:
    std::uint64_t game_ = 0;
    std::int64_t lastHand_ = 0;
};

}  // namespace pellox::app
