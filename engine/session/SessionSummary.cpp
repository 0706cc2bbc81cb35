#include "session/SessionSummary.hpp"

#include "rules/Json.hpp"
#include "rules/Saturating.hpp"

namespace pellox {

void SessionSummary::record(std::int64_t net, const std::vector<GradedDecision>& grades) {
    handsPlayed = saturatingAdd(handsPlayed, 1);
    netChips = saturatingAdd(netChips, net);
    for (const auto& grade : grades) {
        decisionsGraded = saturatingAdd(decisionsGraded, 1);
        if (grade.agreed) decisionsAgreed = saturatingAdd(decisionsAgreed, 1);
        if (const auto street = streetKey(grade.street)) byStreet[*street].count(grade.agreed);
    }
}

std::optional<double> SessionSummary::accuracy() const {
    return AccuracyBucket{decisionsGraded, decisionsAgreed}.accuracy();
}

std::optional<StreetAccuracy> SessionSummary::weakestStreet() const {
    std::optional<StreetAccuracy> weakest;
    for (auto street : allCases<StreetKey>()) {
        auto it = byStreet.find(street);
        if (it == byStreet.end() || it->second.graded <= weakestStreetMinimumExclusive) continue;
        const double accuracy = *it->second.accuracy();
        if (!weakest || accuracy < weakest->accuracy)
            weakest = StreetAccuracy{street, accuracy, it->second.graded};
    }
    return weakest;
}

void to_json(Json& j, const SessionSummary& s) {
    j = Json::object();
    j["handsPlayed"] = s.handsPlayed;
    j["netChips"] = s.netChips;
    j["decisionsGraded"] = s.decisionsGraded;
    j["decisionsAgreed"] = s.decisionsAgreed;
    j["byStreet"] = json::encodeEnumMap(s.byStreet);
}

void from_json(const Json& j, SessionSummary& s) {
    s.handsPlayed = json::read<std::int64_t>(j, "handsPlayed");
    s.netChips = json::read<std::int64_t>(j, "netChips");
    s.decisionsGraded = json::read<std::int64_t>(j, "decisionsGraded");
    s.decisionsAgreed = json::read<std::int64_t>(j, "decisionsAgreed");
    s.byStreet = json::decodeEnumMap<StreetKey, AccuracyBucket>(json::member(j, "byStreet"));
}

}  // namespace pellox
