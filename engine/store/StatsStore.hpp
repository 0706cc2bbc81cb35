#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/JsonFwd.hpp"
#include "store/HandOutcome.hpp"
#include "store/HandRecord.hpp"
#include "store/KeyValueStore.hpp"
#include "store/Observed.hpp"
#include "store/PersistedValue.hpp"
#include "store/TrainingStats.hpp"

namespace pellox {

// The lifetime statistics and the hand history (newest first), kept together in the document
// "pellox-poker-stats". Every assignment of either notifies, equal or not.
class StatsStore {
  public:
    struct Snapshot {
        TrainingStats stats;
        std::vector<HandRecord> handHistory;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };

    // The names subscribers receive and subscribe by.
    struct Property {
        static constexpr std::string_view stats{"stats"};
        static constexpr std::string_view handHistory{"handHistory"};
    };

    StatsStore();
    StatsStore(const StatsStore&) = delete;
    StatsStore& operator=(const StatsStore&) = delete;

    const TrainingStats& stats() const noexcept { return stats_.get(); }
    const std::vector<HandRecord>& handHistory() const noexcept { return handHistory_.get(); }

    // Uses the store from now on and takes its document as it is when one is readable.
    void load(std::shared_ptr<KeyValueStore> store);
    // Writes the whole document, once loaded.
    void save();
    // Counts the hand, puts its record first in the history (the newest 200 remain) and saves, in one write
    // of the store together with whatever the observers of the change write to it.
    void record(const HandOutcome& outcome, HandRecord record);
    void recordSessionStart();
    // Empty statistics and history, saved; other documents are not touched.
    void eraseAll();

    // Changes of "stats" and "handHistory".
    [[nodiscard]] Subscription subscribe(Observers::Callback callback) {
        return observers_.subscribe(std::move(callback));
    }
    [[nodiscard]] Subscription subscribe(std::string_view property, Observers::Callback callback) {
        return observers_.subscribe(property, std::move(callback));
    }

    bool hasLoaded() const noexcept { return hasLoaded_; }
    const KeyValueStore& store() const noexcept { return *store_; }

    static const PersistedValue<Snapshot> persisted;

  private:
    Observers observers_;
    Observed<TrainingStats> stats_{observers_, Property::stats, TrainingStats{}};
    Observed<std::vector<HandRecord>> handHistory_{observers_, Property::handHistory, {}};
    std::shared_ptr<KeyValueStore> store_;
    bool hasLoaded_ = false;
    std::optional<std::string> unreadableDocument_;  // kept aside before the first save over it
};

void to_json(Json& j, const StatsStore::Snapshot& s);
void from_json(const Json& j, StatsStore::Snapshot& s);

}  // namespace pellox
