#include "view/PacingTimings.hpp"

#include <algorithm>
#include <cmath>

namespace pellox {

PacingTimings::PacingTimings(bool reduceMotion, bool longPause, double speed, double jitter) {
    const double u = std::isnan(jitter) ? 0.0 : std::clamp(jitter, 0.0, 1.0);
    firstBoardCardDelay = reduceMotion ? 0.0 : PacingDefaults::firstBoardCardDelay * speed;
    nextBoardCardDelay = reduceMotion ? 0.0 : PacingDefaults::nextBoardCardDelay * speed;
    botThinkDelay = speed * (PacingDefaults::botThinkSpread * u + PacingDefaults::botThinkBase);
    betweenHandsDelay =
        speed * (longPause ? PacingDefaults::longBetweenHandsDelay : PacingDefaults::betweenHandsDelay);
}

}  // namespace pellox
