#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "rules/GameMode.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/Position.hpp"
#include "store/AccuracyBucket.hpp"
#include "store/HandOutcome.hpp"
#include "store/Leak.hpp"
#include "store/StreetKey.hpp"

namespace pellox {

// The lifetime record of how the human plays against the guide.
struct TrainingStats {
    static constexpr std::size_t recentHandLimit = 30;
    static constexpr std::int64_t leakThreshold = 20;

    std::int64_t handsPlayed = 0;
    std::int64_t decisionsGraded = 0;
    std::int64_t decisionsAgreed = 0;
    std::map<StreetKey, AccuracyBucket> byStreet = zeroBucketsByStreet();
    std::map<Position, AccuracyBucket> byPosition;
    std::map<GameMode, std::int64_t> netChipsByMode{{GameMode::cash, 0}, {GameMode::tournament, 0}};
    std::int64_t sessions = 0;               // counted by the statistics store
    std::vector<double> recentHandAccuracy;  // oldest first, at most 30 once a hand is recorded

    // The statistics after one more hand; this value is left unchanged.
    TrainingStats recording(const HandOutcome& outcome) const;
    // Every street and position with at least 20 graded decisions, weakest first.
    std::vector<Leak> leaks() const;
    // None while nothing was graded.
    std::optional<double> overallAccuracy() const;

    friend bool operator==(const TrainingStats&, const TrainingStats&) = default;
};

void to_json(Json& j, const TrainingStats& s);
void from_json(const Json& j, TrainingStats& s);

}  // namespace pellox
