#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "rules/JsonFwd.hpp"
#include "store/AccuracyBucket.hpp"
#include "store/StreetAccuracy.hpp"
#include "store/StreetKey.hpp"
#include "strategy/GradedDecision.hpp"

namespace pellox {

// The running tally of one game session.
struct SessionSummary {
    // A street needs more graded decisions than this to be named the weakest.
    static constexpr std::int64_t weakestStreetMinimumExclusive = 5;

    std::int64_t handsPlayed = 0;
    std::int64_t netChips = 0;
    std::int64_t decisionsGraded = 0;
    std::int64_t decisionsAgreed = 0;
    std::map<StreetKey, AccuracyBucket> byStreet = zeroBucketsByStreet();

    // Adds one finished hand: its net chips and its graded decisions (showdown grades count in the totals
    // only).
    void record(std::int64_t net, const std::vector<GradedDecision>& grades);
    // None while nothing was graded.
    std::optional<double> accuracy() const;
    // The street with the lowest accuracy among those with at least 6 graded decisions; the earlier street
    // wins a tie.
    std::optional<StreetAccuracy> weakestStreet() const;

    friend bool operator==(const SessionSummary&, const SessionSummary&) = default;
};

void to_json(Json& j, const SessionSummary& s);
void from_json(const Json& j, SessionSummary& s);

}  // namespace pellox
