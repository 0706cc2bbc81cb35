#include "view/AnimationTimings.hpp"

namespace pellox {

AnimationTimings::AnimationTimings(bool reduceMotion, double speed) {
    if (reduceMotion) return;
    cardFlight = 0.32 * speed;
    cardStagger = 0.07 * speed;
    chipFlight = 0.4 * speed;
    cardFlip = 0.35 * speed;
}

double AnimationTimings::dealDuration(std::int64_t cardCount) const {
    if (cardCount < 1) return 0;
    return cardFlight + cardStagger * static_cast<double>(cardCount - 1);
}

}  // namespace pellox
