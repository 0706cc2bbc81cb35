#pragma once
// Animation times of the table, in seconds, scaled by the game speed.
#include <cstdint>

namespace pellox {

struct AnimationTimings {
    double cardFlight = 0;
    double cardStagger = 0;
    double chipFlight = 0;
    double cardFlip = 0;

    AnimationTimings() = default;
    // speed is the game speed's multiplier; reduce motion makes every animation land at once.
    AnimationTimings(bool reduceMotion, double speed);

    // From the start of the first card's flight to the end of the last one's.
    double dealDuration(std::int64_t cardCount) const;

    friend bool operator==(const AnimationTimings&, const AnimationTimings&) = default;
};

}  // namespace pellox
