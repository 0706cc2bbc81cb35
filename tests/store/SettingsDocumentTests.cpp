#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "store/InMemoryStore.hpp"
#include "store/SettingsStore.hpp"

namespace pellox {
namespace {

constexpr const char* key = "pellox-poker-settings";

// The standard schedule as every stored document spells it.
const std::string scheduleText =
    R"([{"ante":0,"bigBlind":20,"level":1,"smallBlind":10},{"ante":0,"bigBlind":30,"level":2,"smallBlind":15},)"
    R"({"ante":0,"bigBlind":50,"level":3,"smallBlind":25},{"ante":25,"bigBlind":100,"level":4,"smallBlind":50},)"
    R"({"ante":40,"bigBlind":150,"level":5,"smallBlind":75},{"ante":50,"bigBlind":200,"level":6,"smallBlind":100},)"
    R"({"ante":75,"bigBlind":300,"level":7,"smallBlind":150},{"ante":100,"bigBlind":400,"level":8,"smallBlind":200},)"
    R"({"ante":150,"bigBlind":600,"level":9,"smallBlind":300},{"ante":200,"bigBlind":800,"level":10,"smallBlind":400}])";

const std::string defaultText =
    R"({"state":{"botDifficulty":"normal","cashConfig":{"bigBlind":10,"defaultBuyIn":1000,"smallBlind":5},)"
    R"("fourColorDeck":false,"gameSpeed":"normal","guideMode":"show","hapticsEnabled":true,"hasOnboarded":false,)"
    R"("soundEnabled":true,"strategyToggles":{"flop":true,"preflop":true,"river":true,"turn":true},)"
    R"("tableTheme":"card-room","tournamentConfig":{"blindSchedule":)" +
    scheduleText + R"(,"handsPerLevel":10,"startingStack":1500}},"version":1})";

const std::string changedText =
    R"({"state":{"botDifficulty":"hard","cashConfig":{"bigBlind":40,"defaultBuyIn":4000,"smallBlind":20},)"
    R"("fourColorDeck":true,"gameSpeed":"fast","guideMode":"grade-only","hapticsEnabled":false,)"
    R"("hasOnboarded":true,"soundEnabled":false,"strategyToggles":{"flop":false,"preflop":true,"river":false,)"
    R"("turn":true},"tableTheme":"oxblood","tournamentConfig":{"blindSchedule":[{"ante":3,"bigBlind":200,)"
    R"("level":1,"smallBlind":100}],"handsPerLevel":4,"startingStack":2500}},"version":1})";

// Every setting away from its default.
SettingsStore::Snapshot changedSnapshot() {
    SettingsStore::Snapshot s;
    s.guideMode = GuideMode::gradeOnly;
    s.strategyToggles.flop = false;
    s.strategyToggles.river = false;
    s.gameSpeed = GameSpeed::fast;
    s.soundEnabled = false;
    s.hapticsEnabled = false;
    s.fourColorDeck = true;
    s.botDifficulty = BotDifficulty::hard;
    s.tableTheme = TableTheme::oxblood;
    s.hasOnboarded = true;
    s.cashConfig = CashGameConfig{20, 40, 4000};
    s.tournamentConfig.startingStack = 2500;
    s.tournamentConfig.handsPerLevel = 4;
    s.tournamentConfig.blindSchedule = {BlindLevel{1, 100, 200, 3}};
    return s;
}

std::string written(const SettingsStore::Snapshot& snapshot) {
    InMemoryStore store;
    SettingsStore::persisted.save(snapshot, store);
    return store.storage.at(key);
}

TEST(SettingsDocument, DefaultAndChangedSettingsWriteExactlyTheseTexts) {
    EXPECT_EQ(written(SettingsStore::Snapshot{}), defaultText);
    EXPECT_EQ(written(changedSnapshot()), changedText);
}

TEST(SettingsDocument, StoredTextsLoadToTheirSettings) {
    for (const auto& [text, expected] :
         {std::pair{defaultText, SettingsStore::Snapshot{}}, std::pair{changedText, changedSnapshot()}}) {
        auto store = std::make_shared<InMemoryStore>();
        store->set(text, key);
        SettingsStore settings;
        settings.load(store);
        EXPECT_EQ(settings.makeSnapshot(), expected) << text;
        EXPECT_EQ(settings.strategyToggles.get().isEnabled(Street::river), expected.strategyToggles.river);
        settings.save();
        EXPECT_EQ(store->storage.at(key), text) << "rewritten unchanged";
    }
}

// Readers accept any key order and ignore keys that name no setting.
TEST(SettingsDocument, KeyOrderAndExtraKeysDoNotMatter) {
    std::string reordered = changedText;
    reordered.replace(reordered.find(R"({"state":{)"), 10, R"({"version":1,"state":{"unknown":7,)");
    reordered.replace(reordered.rfind(R"(},"version":1})"), 14, "}}");
    auto store = std::make_shared<InMemoryStore>();
    store->set(reordered, key);
    SettingsStore settings;
    settings.load(store);
    EXPECT_EQ(settings.makeSnapshot(), changedSnapshot());
}

}  // namespace
}  // namespace pellox
