#include "store/StatsStore.hpp"

#include <utility>

#include "rules/Json.hpp"
#include "rules/Saturating.hpp"
#include "store/HandRecordText.hpp"
#include "store/InMemoryStore.hpp"
#include "store/PersistedValueJson.hpp"

namespace pellox {

template struct PersistedValue<StatsStore::Snapshot>;

const PersistedValue<StatsStore::Snapshot> StatsStore::persisted{"pellox-poker-stats", 1};

StatsStore::StatsStore() : store_(std::make_shared<InMemoryStore>()) {}

void StatsStore::load(std::shared_ptr<KeyValueStore> store) {
    store_ = std::move(store);
    auto snapshot = persisted.load(*store_, unreadableDocument_);
    if (snapshot) {
        stats_.assign(std::move(snapshot->stats));
        // Newest first: a document holding more than the history keeps (damaged or edited) keeps the newest.
        HandRecord::keepNewest(snapshot->handHistory);
        handHistory_.assign(std::move(snapshot->handHistory));
    }
    hasLoaded_ = true;
}

namespace {

// The same text as the envelope's to_json, with the records written directly (see HandRecordText).
std::optional<std::string> encodeDocument(std::int64_t version, const TrainingStats& stats,
                                          const std::vector<HandRecord>& history) {
    auto statsText = persistence::encode(Json(stats));
    if (!statsText) return std::nullopt;
    std::string text;
    text.reserve(statsText->size() + 64 + history.size() * 6000);
    text += "{\"version\":";
    text += std::to_string(version);
    text += ",\"state\":{\"stats\":";
    text += *statsText;
    text += ",\"handHistory\":[";
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (i > 0) text += ',';
        if (!appendJson(text, history[i])) return std::nullopt;
    }
    text += "]}}";
    return text;
}

}  // namespace

void StatsStore::save() {
    if (!hasLoaded_) return;
    if (auto text = encodeDocument(persisted.version, stats_, handHistory_))
        persisted.write(std::move(*text), *store_, unreadableDocument_);
}

void StatsStore::record(const HandOutcome& outcome, HandRecord record) {
    // What observers change in the same store on seeing the record (a stored copy of the unfinished hand
    // removed) is written with it, so no crash can leave the hand both recorded and offered again.
    KeyValueStore::Batch batch(*store_);
    stats_.assign(stats_.get().recording(outcome));
    handHistory_.modify([&](std::vector<HandRecord>& history) {
        history = HandRecord::prependingToHistory(std::move(record), std::move(history));
    });
    save();
}

void StatsStore::recordSessionStart() {
    stats_.modify([](TrainingStats& s) { s.sessions = saturatingAdd(s.sessions, 1); });
    save();
}

void StatsStore::eraseAll() {
    stats_.assign(TrainingStats{});
    handHistory_.assign(std::vector<HandRecord>{});
    save();
}

void to_json(Json& j, const StatsStore::Snapshot& s) {
    j = Json::object();
    j["stats"] = s.stats;
    j["handHistory"] = s.handHistory;
}

void from_json(const Json& j, StatsStore::Snapshot& s) {
    s.stats = json::read<TrainingStats>(j, "stats");
    s.handHistory = json::read<std::vector<HandRecord>>(j, "handHistory");
}

}  // namespace pellox
