#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "rules/CashGameConfig.hpp"
#include "rules/Json.hpp"
#include "rules/TournamentConfig.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsRange.hpp"
#include "store/SettingsStore.hpp"

namespace pellox {
namespace {

constexpr const char* key = "pellox-poker-settings";
constexpr auto highest = std::numeric_limits<std::int64_t>::max();

std::string documentWith(const std::function<void(SettingsStore::Snapshot&)>& edit) {
    SettingsStore::Snapshot s;
    s.tableTheme = TableTheme::midnight;
    edit(s);
    return Json{{"version", 1}, {"state", s}}.dump();
}

// A stored big blind, buy-in or starting stack the controls cannot set is not used: the settings start at
// their defaults and the document is kept aside by the next save, as an unreadable one is.
TEST(SettingsRange, StoredConfigurationsOutsideTheControlsRangesAreKeptAside) {
    using Edit = std::function<void(SettingsStore::Snapshot&)>;
    const std::vector<std::pair<std::string, Edit>> absurd{
        {"big blind at the limit", [](auto& s) { s.cashConfig.bigBlind = highest; }},
        {"negative big blind", [](auto& s) { s.cashConfig.bigBlind = -10; }},
        {"big blind above the range", [](auto& s) { s.cashConfig.bigBlind = 102; }},
        {"small blind above the big blind", [](auto& s) { s.cashConfig.smallBlind = 20; }},
        {"no small blind", [](auto& s) { s.cashConfig.smallBlind = 0; }},
        {"buy-in at the limit", [](auto& s) { s.cashConfig.defaultBuyIn = highest; }},
        {"negative buy-in", [](auto& s) { s.cashConfig.defaultBuyIn = -1000; }},
        {"starting stack at the limit", [](auto& s) { s.tournamentConfig.startingStack = highest; }},
        {"starting stack below the range", [](auto& s) { s.tournamentConfig.startingStack = 499; }},
        {"negative ante", [](auto& s) { s.tournamentConfig.blindSchedule[2].ante = -5; }},
        {"level's small blind above its big blind",
         [](auto& s) { s.tournamentConfig.blindSchedule[1].smallBlind = 31; }},
        {"level's blinds at the limit",
         [](auto& s) {
             s.tournamentConfig.blindSchedule[0] = {1, highest, highest, 0};
         }},
        {"level's big blind above the largest stack",
         [](auto& s) { s.tournamentConfig.blindSchedule[9].bigBlind = largestScheduledAmount + 1; }},
        {"ante at the limit", [](auto& s) { s.tournamentConfig.blindSchedule[3].ante = highest; }},
        {"ante above the largest stack",
         [](auto& s) { s.tournamentConfig.blindSchedule[3].ante = largestScheduledAmount + 1; }},
        {"hands per level at the limit", [](auto& s) { s.tournamentConfig.handsPerLevel = highest; }},
        {"hands per level beyond the bound",
         [](auto& s) { s.tournamentConfig.handsPerLevel = mostHandsPerLevel + 1; }},
    };
    for (const auto& [what, edit] : absurd) {
        SCOPED_TRACE(what);
        const std::string text = documentWith(edit);
        auto store = std::make_shared<InMemoryStore>();
        store->set(text, key);
        SettingsStore settings;
        settings.load(store);
        EXPECT_EQ(settings.makeSnapshot(), SettingsStore::Snapshot{});
        settings.save();
        EXPECT_EQ(store->storage.at(std::string(key) + ".unreadable"), text);
    }
}

TEST(SettingsRange, TheEndsOfEachRangeAreUsed) {
    for (const bool low : {true, false}) {
        const auto end = [low](const SettingsRange& r) { return low ? r.minimum : r.maximum; };
        auto store = std::make_shared<InMemoryStore>();
        store->set(documentWith([&](SettingsStore::Snapshot& s) {
                       s.cashConfig = {end(SettingsRange::bigBlind) / 2, end(SettingsRange::bigBlind),
                                       end(SettingsRange::buyIn)};
                       s.tournamentConfig.startingStack = end(SettingsRange::tournamentStack);
                   }),
                   key);
        SettingsStore settings;
        settings.load(store);
        EXPECT_EQ(settings.tableTheme.get(), TableTheme::midnight) << low;
        EXPECT_EQ(settings.cashConfig.get().bigBlind, end(SettingsRange::bigBlind));
        EXPECT_EQ(settings.tournamentConfig.get().startingStack, end(SettingsRange::tournamentStack));
    }
    EXPECT_TRUE(isWithinSettingsRanges(SettingsStore::Snapshot{}.cashConfig));
    EXPECT_TRUE(isWithinSettingsRanges(CashGameConfig{10, 10, 1000})) << "a small blind as big as the big";

    // The bounds of the schedule and of the hands per level are used too.
    TournamentConfig widest = SettingsStore::Snapshot{}.tournamentConfig;
    widest.handsPerLevel = mostHandsPerLevel;
    widest.blindSchedule.back() = {10, largestScheduledAmount, largestScheduledAmount,
                                   largestScheduledAmount};
    widest.blindSchedule.front() = {1, 0, 0, 0};
    auto store = std::make_shared<InMemoryStore>();
    store->set(documentWith([&](SettingsStore::Snapshot& s) { s.tournamentConfig = widest; }), key);
    SettingsStore settings;
    settings.load(store);
    EXPECT_EQ(settings.tournamentConfig.get(), widest);
    EXPECT_TRUE(isWithinSettingsRanges(SettingsStore::Snapshot{}.tournamentConfig));
}

}  // namespace
}  // namespace pellox
