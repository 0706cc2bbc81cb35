#include "store/TrainingStats.hpp"

#include <algorithm>
#include <string>

#include "rules/Json.hpp"
#include "rules/Saturating.hpp"

namespace pellox {

namespace {

template <typename Key>
void appendLeaks(std::vector<Leak>& out, Leak::Kind kind, const std::map<Key, AccuracyBucket>& buckets) {
    for (auto key : allCases<Key>()) {
        auto it = buckets.find(key);
        if (it == buckets.end() || it->second.graded < TrainingStats::leakThreshold) continue;
        out.push_back(Leak{kind, std::string(rawValue(key)), *it->second.accuracy(), it->second.graded});
    }
}

bool weakerFirst(const Leak& a, const Leak& b) {
    if (a.accuracy != b.accuracy) return a.accuracy < b.accuracy;
    if (a.kind != b.kind) return a.kind == Leak::Kind::street;
    return a.key < b.key;
}

}  // namespace

TrainingStats TrainingStats::recording(const HandOutcome& outcome) const {
    TrainingStats next = *this;
    next.handsPlayed = saturatingAdd(next.handsPlayed, 1);
    auto& net = next.netChipsByMode[outcome.mode];
    net = saturatingAdd(net, outcome.netChips);
    // Every hand stores its position's bucket, so a hand without grades still adds a zero one.
    auto& position = next.byPosition[outcome.position];
    if (outcome.grades.empty()) return next;

    std::int64_t agreedInHand = 0;
    for (const auto& grade : outcome.grades) {
        position.count(grade.agreed);
        if (const auto street = streetKey(grade.street)) next.byStreet[*street].count(grade.agreed);
        if (grade.agreed) ++agreedInHand;
    }
    const auto graded = static_cast<std::int64_t>(outcome.grades.size());
    next.decisionsGraded = saturatingAdd(next.decisionsGraded, graded);
    next.decisionsAgreed = saturatingAdd(next.decisionsAgreed, agreedInHand);

    auto& recent = next.recentHandAccuracy;
    recent.push_back(*handAccuracy(outcome.grades));
    if (recent.size() > recentHandLimit)
        recent.erase(recent.begin(), recent.end() - static_cast<std::ptrdiff_t>(recentHandLimit));
    return next;
}

std::vector<Leak> TrainingStats::leaks() const {
    std::vector<Leak> out;
    appendLeaks(out, Leak::Kind::street, byStreet);
    appendLeaks(out, Leak::Kind::position, byPosition);
    std::stable_sort(out.begin(), out.end(), weakerFirst);
    return out;
}

std::optional<double> TrainingStats::overallAccuracy() const {
    return AccuracyBucket{decisionsGraded, decisionsAgreed}.accuracy();
}

void to_json(Json& j, const TrainingStats& s) {
    j = Json::object();
    j["handsPlayed"] = s.handsPlayed;
    j["decisionsGraded"] = s.decisionsGraded;
    j["decisionsAgreed"] = s.decisionsAgreed;
    j["byStreet"] = json::encodeEnumMap(s.byStreet);
    j["byPosition"] = json::encodeEnumMap(s.byPosition);
    j["netChipsByMode"] = json::encodeEnumMap(s.netChipsByMode);
    j["sessions"] = s.sessions;
    j["recentHandAccuracy"] = s.recentHandAccuracy;
}

void from_json(const Json& j, TrainingStats& s) {
    s.handsPlayed = json::read<std::int64_t>(j, "handsPlayed");
    s.decisionsGraded = json::read<std::int64_t>(j, "decisionsGraded");
    s.decisionsAgreed = json::read<std::int64_t>(j, "decisionsAgreed");
    s.byStreet = json::decodeEnumMap<StreetKey, AccuracyBucket>(json::member(j, "byStreet"));
    s.byPosition = json::decodeEnumMap<Position, AccuracyBucket>(json::member(j, "byPosition"));
    s.netChipsByMode = json::decodeEnumMap<GameMode, std::int64_t>(json::member(j, "netChipsByMode"));
    s.sessions = json::read<std::int64_t>(j, "sessions");
    s.recentHandAccuracy = json::read<std::vector<double>>(j, "recentHandAccuracy");
}

}  // namespace pellox
