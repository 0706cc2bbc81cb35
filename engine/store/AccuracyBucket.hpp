#pragma once
#include <cstdint>
#include <map>
#include <optional>

#include "rules/JsonFwd.hpp"
#include "rules/Saturating.hpp"
#include "store/StreetKey.hpp"

namespace pellox {

// Decisions graded and, of those, agreed with the guide.
struct AccuracyBucket {
    std::int64_t graded = 0;
    std::int64_t agreed = 0;

    // None while nothing was graded.
    std::optional<double> accuracy() const {
        if (graded < 1) return std::nullopt;
        return static_cast<double>(agreed) / static_cast<double>(graded);
    }

    // One more graded decision.
    void count(bool agreedWithGuide) noexcept {
        graded = saturatingAdd(graded, 1);
        if (agreedWithGuide) agreed = saturatingAdd(agreed, 1);
    }

    friend bool operator==(const AccuracyBucket&, const AccuracyBucket&) = default;
};

// A zero bucket for each of the four streets, as every tally by street starts.
inline std::map<StreetKey, AccuracyBucket> zeroBucketsByStreet() {
    std::map<StreetKey, AccuracyBucket> buckets;
    for (auto street : allCases<StreetKey>())
        buckets[street] = {};
    return buckets;
}

void to_json(Json& j, const AccuracyBucket& b);
void from_json(const Json& j, AccuracyBucket& b);

}  // namespace pellox

template <>
struct std::hash<pellox::AccuracyBucket> {
    std::size_t operator()(const pellox::AccuracyBucket& b) const noexcept {
        return std::hash<std::int64_t>{}(b.graded) * 31u ^ std::hash<std::int64_t>{}(b.agreed);
    }
};
