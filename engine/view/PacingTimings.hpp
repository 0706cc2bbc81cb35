#pragma once
// The delays of the table's automatic play, scaled by the game speed.

namespace pellox {

// Seconds at normal speed.
struct PacingDefaults {
    static constexpr double firstBoardCardDelay = 0.2;
    static constexpr double nextBoardCardDelay = 0.5;
    static constexpr double botThinkBase = 0.5;
    static constexpr double botThinkSpread = 0.8;
    static constexpr double betweenHandsDelay = 2.5;
    static constexpr double longBetweenHandsDelay = 9.0;
};

struct PacingTimings {
    double firstBoardCardDelay = 0;
    double nextBoardCardDelay = 0;
    double botThinkDelay = 0;
    double betweenHandsDelay = 0;

    PacingTimings() = default;
    // speed is the game speed's multiplier; jitter is the caller's uniform draw from [0, 1] (outside
    // values, NaN included, are pulled into that range so no delay can become negative or NaN). Reduce
    // motion zeroes only the board reveal delays.
    PacingTimings(bool reduceMotion, bool longPause, double speed, double jitter);

    friend bool operator==(const PacingTimings&, const PacingTimings&) = default;
};

}  // namespace pellox
