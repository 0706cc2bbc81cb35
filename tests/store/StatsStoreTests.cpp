#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "rules/Json.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SampleHands.hpp"
#include "store/SessionTestValues.hpp"
#include "store/StatsStore.hpp"
#include "store/WriteCountingStore.hpp"

namespace pellox {
namespace {

constexpr const char* key = "pellox-poker-stats";

using test::Recorder;
using test::WriteCountingStore;

std::vector<HandRecord> hands(int count, std::uint32_t seed = 1) {
    SeededRNG rng(seed);
    std::vector<HandRecord> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(samples::realisticHand(i, rng));
    return out;
}

Json document(const std::shared_ptr<InMemoryStore>& store) {
    return Json::parse(store->storage.at(key));
}

TEST(StatsStoreTests, FreshInstallCountsTheFirstSession) {
    StatsStore stats;
    auto store = std::make_shared<InMemoryStore>();
    stats.load(store);
    EXPECT_EQ(stats.stats().sessions, 0);
    EXPECT_TRUE(store->storage.empty());
    stats.recordSessionStart();
    EXPECT_EQ(stats.stats().sessions, 1);
    EXPECT_EQ(document(store)["state"]["stats"]["sessions"], 1);
    EXPECT_EQ(document(store)["version"], 1);
}

TEST(StatsStoreTests, RecordingBeforeLoadStaysInMemory) {
    StatsStore stats;
    const auto record = hands(1).front();
    stats.record(samples::outcomeOf(record), record);
    stats.recordSessionStart();
    stats.eraseAll();
    stats.record(samples::outcomeOf(record), record);
    EXPECT_TRUE(static_cast<const InMemoryStore&>(stats.store()).storage.empty());
    EXPECT_EQ(stats.handHistory().size(), 1u);

    auto store = std::make_shared<InMemoryStore>();
    stats.load(store);
    EXPECT_EQ(stats.handHistory().size(), 1u);  // nothing stored: memory kept
    stats.record(samples::outcomeOf(record), record);
    EXPECT_EQ(document(store)["state"]["handHistory"].size(), 2u);
    EXPECT_EQ(document(store)["state"]["stats"]["handsPlayed"], 2);
}

// Records with nothing but a number: the cut depends on the count only.
std::vector<HandRecord> numberedNewestFirst(int count) {
    std::vector<HandRecord> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        out[static_cast<std::size_t>(i)].handNumber = count - i;
    return out;
}

std::shared_ptr<InMemoryStore> storeWithHistory(std::vector<HandRecord> history) {
    auto store = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save({TrainingStats{}, std::move(history)}, *store);
    return store;
}

TEST(StatsStoreTests, RecordingOver200StoredKeepsTheNewest200) {
    auto store = storeWithHistory(numberedNewestFirst(200));
    StatsStore stats;
    stats.load(store);
    const auto record = hands(1).front();
    stats.record(samples::outcomeOf(record), record);
    ASSERT_EQ(stats.handHistory().size(), 200u);
    EXPECT_EQ(stats.handHistory().front(), record);
    EXPECT_EQ(stats.handHistory().back().handNumber, 2);  // the former last one is gone
    EXPECT_EQ(stats.stats().handsPlayed, 1);

    StatsStore again;
    again.load(store);
    EXPECT_EQ(again.handHistory(), stats.handHistory());
    EXPECT_EQ(again.stats(), stats.stats());
}

// A document holding more hands than the history keeps (edited or damaged) keeps the newest 200 at once.
TEST(StatsStoreTests, ALoadedLongHistoryKeepsTheNewest200) {
    StatsStore stats;
    stats.load(storeWithHistory(numberedNewestFirst(203)));
    ASSERT_EQ(stats.handHistory().size(), 200u);
    EXPECT_EQ(stats.handHistory().front().handNumber, 203);
    EXPECT_EQ(stats.handHistory().back().handNumber, 4);
    HandRecord newest;
    newest.handNumber = 204;
    stats.record(HandOutcome{}, newest);
    ASSERT_EQ(stats.handHistory().size(), 200u);
    EXPECT_EQ(stats.handHistory().front().handNumber, 204);
    EXPECT_EQ(stats.handHistory().back().handNumber, 5);
}

TEST(StatsStoreTests, EveryAssignmentNotifies) {
    StatsStore stats;
    Recorder all, history;
    auto a = stats.subscribe(all.callback());
    auto b = stats.subscribe(StatsStore::Property::handHistory, history.callback());
    stats.eraseAll();  // equal values still notify
    EXPECT_EQ(all.names, (std::vector<std::string>{"stats", "handHistory"}));
    const auto record = hands(1).front();
    stats.record(samples::outcomeOf(record), record);
    stats.recordSessionStart();
    EXPECT_EQ(all.names, (std::vector<std::string>{"stats", "handHistory", "stats", "handHistory", "stats"}));
    EXPECT_EQ(history.names.size(), 2u);

    auto store = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save({}, *store);
    all.names.clear();
    stats.load(store);
    EXPECT_EQ(all.names, (std::vector<std::string>{"stats", "handHistory"}));
    stats.load(std::make_shared<InMemoryStore>());
    EXPECT_EQ(all.names.size(), 2u);  // nothing found: nothing assigned
}

TEST(StatsStoreTests, EraseAllWritesEmptyStatisticsAndLeavesOtherKeys) {
    StatsStore stats;
    auto store = std::make_shared<InMemoryStore>();
    store->set("settings", "pellox-poker-settings");
    store->set("snapshot", "pellox-poker-session-snapshot");
    stats.load(store);
    for (const auto& r : hands(3))
        stats.record(samples::outcomeOf(r), r);
    stats.eraseAll();
    EXPECT_EQ(document(store)["state"]["stats"], Json(TrainingStats{}));
    EXPECT_EQ(document(store)["state"]["handHistory"], Json::array());
    EXPECT_EQ(store->storage.at("pellox-poker-settings"), "settings");
    EXPECT_EQ(store->storage.at("pellox-poker-session-snapshot"), "snapshot");
}

TEST(StatsStoreTests, DamagedOrNewerHistoryIsKeptBeforeItIsReplaced) {
    Json newer = {{"version", 2}, {"state", {{"stats", TrainingStats{}}, {"handHistory", hands(2)}}}};
    for (const std::string& text : {newer.dump(), newer.dump().substr(0, 300)}) {
        auto store = std::make_shared<InMemoryStore>();
        store->set(text, key);
        store->set("an older copy", "pellox-poker-stats.unreadable");
        StatsStore stats;
        stats.load(store);
        EXPECT_TRUE(stats.handHistory().empty());
        EXPECT_EQ(store->storage.at(key), text);
        stats.recordSessionStart();
        EXPECT_EQ(store->storage.at("pellox-poker-stats.unreadable"), "an older copy")
            << "never written over";
        EXPECT_EQ(store->storage.at("pellox-poker-stats.unreadable-2"), text);
        EXPECT_EQ(document(store)["state"]["stats"]["sessions"], 1);
        stats.recordSessionStart();
        EXPECT_EQ(store->storage.size(), 3u) << "kept once";
    }
}

// An observer that removes the stored copy of the hand on seeing its record: one write holds both, so no
// crash can leave the hand recorded and still stored.
TEST(StatsStoreTests, ARecordAndWhatItsObserversChangeInTheStoreAreOneWrite) {
    auto store = std::make_shared<WriteCountingStore>();
    store->set("the unfinished hand", "pellox-poker-session-snapshot");
    StatsStore stats;
    stats.load(store);
    auto removal = stats.subscribe(StatsStore::Property::handHistory,
                                   [&](std::string_view) { store->remove("pellox-poker-session-snapshot"); });
    store->writes = 0;
    const auto record = hands(1).front();
    stats.record(samples::outcomeOf(record), record);
    EXPECT_EQ(store->writes, 1);
    EXPECT_FALSE(store->string("pellox-poker-session-snapshot"));
    EXPECT_EQ(Json::parse(*store->string(key))["state"]["handHistory"][0]["id"], record.id);

    stats.recordSessionStart();
    EXPECT_EQ(store->writes, 2) << "other saves write as before";
}

TEST(StatsStoreTests, OnlyTheDocumentOfTheStoreInUseIsKeptAside) {
    auto damaged = std::make_shared<InMemoryStore>();
    damaged->set("{", key);
    auto healthy = std::make_shared<InMemoryStore>();
    StatsStore::persisted.save({}, *healthy);
    StatsStore stats;
    stats.load(damaged);
    stats.load(healthy);
    stats.recordSessionStart();
    EXPECT_FALSE(healthy->storage.contains("pellox-poker-stats.unreadable"));
    EXPECT_FALSE(damaged->storage.contains("pellox-poker-stats.unreadable"));
}

}  // namespace
}  // namespace pellox
