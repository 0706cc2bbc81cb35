// Corrupted versions of valid documents: a store must never crash, must not write while loading, and must
// either read a state that it can save and read back or treat the document as absent.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rules/Json.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SampleHands.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"

#include "LongTests.hpp"

namespace pellox {
namespace {

class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : rng_(seed) {}

    std::string operator()(const std::string& valid) {
        switch (below(6)) {
            case 0:
                return valid.substr(0, below(valid.size()));
            case 1:
                return flipBytes(valid);
            case 2:
                return replaceNode(valid, wrongValue());
            case 3:
                return replaceNode(valid, deepNesting());
            case 4:
                return editStructure(valid);
            default:
                return flipBytes(replaceNode(valid, wrongValue()));
        }
    }

  private:
    std::size_t below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rng_.next() * n); }

    std::string flipBytes(std::string text) {
        for (std::size_t i = 0, n = 1 + below(3); i < n && !text.empty(); ++i)
            text[below(text.size())] = static_cast<char>(below(256));
        return text;
    }

    std::string wrongValue() {
        static const char* values[] = {"\"x\"",
                                       "\"\"",
                                       "1.5",
                                       "-0.0",
                                       "true",
                                       "null",
                                       "{}",
                                       "[]",
                                       "1e308",
                                       "-1e400",
                                       "9223372036854775807",
                                       "-9223372036854775808",
                                       "18446744073709551615",
                                       "99999999999999999999999",
                                       "2147483648",
                                       "-2147483649",
                                       "0",
                                       "-1",
                                       "[\"flop\"]",
                                       "\"BTN\"",
                                       "\"grade-only\"",
                                       "\"\\ud800\""};
        return values[below(std::size(values))];
    }

    std::string deepNesting() {
        const std::size_t depth = below(50) == 0 ? 3000 : 1 + below(64);
        return std::string(depth, '[') + std::string(depth, ']');
    }

    // Replaces one random value of the document, found by walking its tree, with the given text.
    std::string replaceNode(const std::string& valid, const std::string& replacement) {
        Json document = tree(valid);
        std::vector<Json*> nodes;
        collect(document, nodes);
        Json* target = nodes[below(nodes.size())];
        *target = "\x01placeholder\x01";
        const std::string marker = "\"\\u0001placeholder\\u0001\"";
        std::string text = document.dump();
        return text.replace(text.find(marker), marker.size(), replacement);
    }

    // Removes a key, adds an element to an array (odd enum-keyed arrays) or duplicates one.
    std::string editStructure(const std::string& valid) {
        Json document = tree(valid);
        std::vector<Json*> nodes;
        collect(document, nodes);
        for (int attempt = 0; attempt < 20; ++attempt) {
            Json* node = nodes[below(nodes.size())];
            if (node->is_object() && !node->empty()) {
                auto it = node->begin();
                std::advance(it, static_cast<std::ptrdiff_t>(below(node->size())));
                node->erase(it);
                return document.dump();
            }
            if (node->is_array()) {
                if (node->empty() || below(2) == 0)
                    node->push_back(Json::parse(wrongValue(), nullptr, false));
                else
                    node->push_back(Json((*node)[below(node->size())]));
                return document.dump();
            }
        }
        return document.dump();
    }

    // The valid documents' trees, parsed once.
    const Json& tree(const std::string& valid) {
        auto it = trees_.find(valid);
        if (it == trees_.end()) it = trees_.emplace(valid, Json::parse(valid)).first;
        return it->second;
    }

    static void collect(Json& j, std::vector<Json*>& out) {
        out.push_back(&j);
        if (j.is_structured())
            for (auto& child : j)
                collect(child, out);
    }

    SeededRNG rng_;
    std::map<std::string, Json> trees_;
};

// Loads the text into a fresh store and checks the rules. The first save tells whether the document was
// readable: an unreadable one is kept aside and left the defaults; a readable state must save, read back
// equal and take further use (as must, now and then, the defaults).
template <typename Store, typename StateOf>
void checkStore(const std::string& key, const std::string& text, StateOf stateOf,
                const std::function<void(Store&)>& exercise, bool alwaysExercise, int& readable) {
    auto memory = std::make_shared<InMemoryStore>();
    memory->set(text, key);
    Store store;
    const auto untouched = stateOf(store);
    store.load(memory);
    ASSERT_EQ(memory->storage.size(), 1u);
    ASSERT_EQ(memory->storage.at(key), text);  // loading never writes

    store.save();
    const auto kept = memory->string(key + ".unreadable");
    if (kept) {
        ASSERT_EQ(*kept, text);
        ASSERT_EQ(stateOf(store), untouched);
        if (!alwaysExercise) return;
    } else {
        ++readable;
    }
    Store reread;
    reread.load(memory);
    ASSERT_EQ(stateOf(reread), stateOf(store));
    exercise(store);
}

using test::longRunFactor;

std::string deeperThanAnyStack() {
    std::string text = R"({"version":1,"state":)";
    text += std::string(100000, '[') + std::string(100000, ']') + "}";
    return text;
}

std::string validStatsDocument() {
    SeededRNG rng(99);
    StatsStore stats;
    auto memory = std::make_shared<InMemoryStore>();
    stats.load(memory);
    auto record = samples::realisticHand(1, rng);
    record.events.emplace_back(EngineEvent::PlayerEliminated{"bot-5"});
    stats.record(samples::outcomeOf(record), record);
    return memory->storage.at(StatsStore::persisted.key);
}

std::string validSettingsDocument() {
    SettingsStore settings;
    auto memory = std::make_shared<InMemoryStore>();
    settings.load(memory);
    settings.guideMode.set(GuideMode::gradeOnly);
    settings.save();
    return memory->storage.at(SettingsStore::persisted.key);
}

TEST(HostileDocumentsTests, StatisticsStoreSurvivesCorruptedDocuments) {
    const auto valid = validStatsDocument();
    SeededRNG rng(1);
    const auto extraHand = samples::realisticHand(3, rng);
    auto stateOf = [](const StatsStore& s) { return StatsStore::Snapshot{s.stats(), s.handHistory()}; };
    auto exercise = [&](StatsStore& store) {
        store.recordSessionStart();
        store.record(samples::outcomeOf(extraHand), extraHand);
        (void)store.stats().leaks();
        (void)store.stats().overallAccuracy();
    };
    Mutator mutate(7);
    int readable = 0;
    for (int i = 0; i < 1000 * longRunFactor(); ++i) {
        const auto text = mutate(valid);
        SCOPED_TRACE(text.substr(0, 300));
        checkStore<StatsStore>(StatsStore::persisted.key, text, stateOf, exercise, i % 25 == 0, readable);
    }
    EXPECT_GT(readable, 20);  // the mutations also make documents that are still valid
    checkStore<StatsStore>(StatsStore::persisted.key, deeperThanAnyStack(), stateOf, exercise, true,
                           readable);
    checkStore<StatsStore>(StatsStore::persisted.key, valid, stateOf, exercise, true, readable);
}

TEST(HostileDocumentsTests, SettingsStoreSurvivesCorruptedDocuments) {
    const auto valid = validSettingsDocument();
    auto stateOf = [](const SettingsStore& s) { return s.makeSnapshot(); };
    auto exercise = [](SettingsStore& store) {
        store.setStrategyToggle(Street::river, false);
        (void)store.tournamentConfig.get().blindLevel(1000);
    };
    Mutator mutate(8);
    int readable = 0;
    for (int i = 0; i < 2000 * longRunFactor(); ++i) {
        const auto text = mutate(valid);
        SCOPED_TRACE(text.substr(0, 300));
        checkStore<SettingsStore>(SettingsStore::persisted.key, text, stateOf, exercise, i % 25 == 0,
                                  readable);
    }
    EXPECT_GT(readable, 20);
    checkStore<SettingsStore>(SettingsStore::persisted.key, deeperThanAnyStack(), stateOf, exercise, true,
                              readable);
}

}  // namespace
}  // namespace pellox
