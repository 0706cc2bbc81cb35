#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "rules/Json.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SessionTestValues.hpp"
#include "store/SettingsStore.hpp"

namespace pellox {
namespace {

constexpr const char* key = "pellox-poker-settings";

using test::Recorder;

Json defaultDocument() {
    return Json{{"version", 1}, {"state", SettingsStore::Snapshot{}}};
}

std::shared_ptr<InMemoryStore> storeWith(const std::string& text) {
    auto store = std::make_shared<InMemoryStore>();
    store->set(text, key);
    return store;
}

TEST(SettingsStoreTests, FreshInstallHasDefaultsAndWritesNothingUntilSaved) {
    SettingsStore settings;
    auto store = std::make_shared<InMemoryStore>();
    settings.load(store);
    EXPECT_TRUE(settings.hasLoaded());
    EXPECT_EQ(settings.makeSnapshot(), SettingsStore::Snapshot{});
    EXPECT_EQ(settings.guideMode.get(), GuideMode::show);
    EXPECT_EQ(settings.strategyToggles.get(), StrategyToggles::allOn);
    EXPECT_EQ(settings.tournamentConfig.get().blindSchedule.size(), 10u);
    EXPECT_EQ(settings.tournamentConfig.get().blindSchedule[4], (BlindLevel{5, 75, 150, 40}));
    EXPECT_EQ(settings.cashConfig.get(), (CashGameConfig{5, 10, 1000}));
    EXPECT_TRUE(store->storage.empty());

    settings.save();
    const auto document = Json::parse(store->storage.at(key));
    EXPECT_EQ(document.at("version"), 1);
    EXPECT_EQ(document.at("state").size(), 11u);
    EXPECT_EQ(document.at("state").at("tableTheme"), "card-room");
    EXPECT_EQ(document.at("state").at("strategyToggles"),
              Json::parse(R"({"preflop":true,"flop":true,"turn":true,"river":true})"));
    EXPECT_EQ(store->storage.size(), 1u);
}

TEST(SettingsStoreTests, LoadingNotifiesOnlyTheChangedSetting) {
    Json document = defaultDocument();
    document["state"]["tableTheme"] = "midnight";
    SettingsStore settings;
    Recorder theme, guide, all;
    auto a = settings.tableTheme.subscribe(theme.callback());
    auto b = settings.guideMode.subscribe(guide.callback());
    auto c = settings.subscribe(all.callback());
    settings.load(storeWith(document.dump()));
    EXPECT_EQ(settings.tableTheme.get(), TableTheme::midnight);
    EXPECT_EQ(theme.names, std::vector<std::string>{"tableTheme"});
    EXPECT_TRUE(guide.names.empty());
    EXPECT_EQ(all.names, std::vector<std::string>{"tableTheme"});
}

// The store-wide subscribers hear each setting under the name the store publishes for it.
TEST(SettingsStoreTests, EverySettingNotifiesUnderItsPublishedName) {
    SettingsStore settings;
    Recorder all;
    auto token = settings.subscribe(all.callback());
    SettingsStore::Snapshot changed;
    changed.guideMode = GuideMode::off;
    changed.strategyToggles.flop = false;
    changed.gameSpeed = GameSpeed::fast;
    changed.soundEnabled = false;
    changed.hapticsEnabled = false;
    changed.fourColorDeck = true;
    changed.botDifficulty = BotDifficulty::hard;
    changed.tableTheme = TableTheme::midnight;
    changed.hasOnboarded = true;
    changed.cashConfig.bigBlind = 20;
    changed.tournamentConfig.startingStack = 3000;
    settings.apply(changed);
    using P = SettingsStore::Property;
    const std::vector<std::string> expected{
        std::string(P::guideMode),     std::string(P::strategyToggles), std::string(P::gameSpeed),
        std::string(P::soundEnabled),  std::string(P::hapticsEnabled),  std::string(P::fourColorDeck),
        std::string(P::botDifficulty), std::string(P::tableTheme),      std::string(P::hasOnboarded),
        std::string(P::cashConfig),    std::string(P::tournamentConfig)};
    EXPECT_EQ(all.names, expected);
}

// Each declared setting edits its own observed member, announces under its name and is stored under it.
TEST(SettingsStoreTests, EachDeclaredSettingOwnsItsMemberNameAndKey) {
    std::vector<std::string> declared;
    std::apply(
        [&](const auto&... fields) {
            auto check = [&](const auto& field) {
                SettingsStore settings;
                Recorder all;
                auto token = settings.subscribe(all.callback());
                (settings.*field.observed).modify([](auto&) {});
                EXPECT_EQ(all.names, std::vector<std::string>{std::string(field.name)});
                EXPECT_TRUE(Json(SettingsStore::Snapshot{}).contains(field.name)) << field.name;
                declared.emplace_back(field.name);
            };
            (check(fields), ...);
        },
        settingFields);
    EXPECT_EQ(declared.size(), Json(SettingsStore::Snapshot{}).size());
}

TEST(SettingsStoreTests, ObservationRules) {
    SettingsStore settings;
    Recorder all;
    auto token = settings.subscribe(all.callback());
    settings.guideMode.set(GuideMode::show);
    settings.tournamentConfig.set(TournamentConfig{});
    EXPECT_TRUE(all.names.empty());

    auto config = settings.tournamentConfig.get();
    config.blindSchedule[9].ante = 199;
    settings.tournamentConfig.set(config);
    settings.cashConfig.modify([](CashGameConfig&) {});
    settings.cashConfig.modify([](CashGameConfig& c) { c.bigBlind = 20; });
    EXPECT_EQ(all.names, (std::vector<std::string>{"tournamentConfig", "cashConfig", "cashConfig"}));
    EXPECT_EQ(settings.cashConfig.get().bigBlind, 20);
}

TEST(SettingsStoreTests, UnreadableDocumentsLeaveEveryDefault) {
    auto missingKey = defaultDocument();
    missingKey["state"]["guideMode"] = "off";
    missingKey["state"].erase("hasOnboarded");
    auto unknownTheme = defaultDocument();
    unknownTheme["state"]["guideMode"] = "off";
    unknownTheme["state"]["tableTheme"] = "felt";
    auto intFlag = defaultDocument();
    intFlag["state"]["guideMode"] = "off";
    intFlag["state"]["soundEnabled"] = 1;
    auto emptySchedule = defaultDocument();
    emptySchedule["state"]["guideMode"] = "off";
    emptySchedule["state"]["tournamentConfig"]["blindSchedule"] = Json::array();
    auto otherVersion = defaultDocument();
    otherVersion["state"]["guideMode"] = "off";
    otherVersion["version"] = 2;
    for (const auto& document : {missingKey, unknownTheme, intFlag, emptySchedule, otherVersion}) {
        SettingsStore settings;
        auto store = storeWith(document.dump());
        settings.load(store);
        EXPECT_EQ(settings.makeSnapshot(), SettingsStore::Snapshot{}) << document.dump();
        EXPECT_EQ(store->storage.at(key), document.dump());
    }
}

TEST(SettingsStoreTests, ToggleBeforeLoadChangesMemoryOnlyAfterLoadWritesAtOnce) {
    SettingsStore settings;
    Recorder toggles;
    auto token = settings.strategyToggles.subscribe(toggles.callback());
    settings.setStrategyToggle(Street::flop, false);
    EXPECT_FALSE(settings.strategyToggles.get().flop);
    EXPECT_TRUE(static_cast<const InMemoryStore&>(settings.store()).storage.empty());

    auto store = std::make_shared<InMemoryStore>();
    settings.load(store);
    EXPECT_FALSE(settings.strategyToggles.get().flop);  // nothing stored: memory kept
    settings.setStrategyToggle(Street::flop, false);
    EXPECT_EQ(toggles.names.size(), 2u);  // an edit notifies even when unchanged
    EXPECT_EQ(Json::parse(store->storage.at(key))["state"]["strategyToggles"]["flop"], false);

    store->storage.clear();
    settings.setStrategyToggle(Street::showdown, true);
    EXPECT_EQ(toggles.names.size(), 2u);
    EXPECT_EQ(settings.strategyToggles.get(), (StrategyToggles{true, false, true, true}));
    EXPECT_TRUE(store->storage.contains(key));  // still rewritten
}

TEST(SettingsStoreTests, EachBettingStreetHasItsOwnToggle) {
    for (const Street street : {Street::preflop, Street::flop, Street::turn, Street::river}) {
        SettingsStore settings;
        settings.setStrategyToggle(street, false);
        for (const Street other : {Street::preflop, Street::flop, Street::turn, Street::river})
            EXPECT_EQ(settings.strategyToggles.get().isEnabled(other), other != street) << rawValue(street);
    }
}

TEST(SettingsStoreTests, RestoreDefaultsClearsOnboardingAndSaves) {
    SettingsStore settings;
    auto store = std::make_shared<InMemoryStore>();
    settings.load(store);
    settings.hasOnboarded.set(true);
    settings.gameSpeed.set(GameSpeed::fast);
    settings.save();
    settings.restoreDefaults();
    EXPECT_FALSE(settings.hasOnboarded.get());
    EXPECT_EQ(settings.gameSpeed.get(), GameSpeed::normal);
    EXPECT_EQ(Json::parse(store->storage.at(key)), defaultDocument());
}

TEST(SettingsStoreTests, SavedSettingsComeBack) {
    auto store = std::make_shared<InMemoryStore>();
    {
        SettingsStore settings;
        settings.load(store);
        settings.guideMode.set(GuideMode::gradeOnly);
        settings.botDifficulty.set(BotDifficulty::hard);
        settings.fourColorDeck.set(true);
        settings.tournamentConfig.modify([](TournamentConfig& t) { t.startingStack = 3000; });
        settings.save();
    }
    SettingsStore again;
    again.load(store);
    EXPECT_EQ(again.guideMode.get(), GuideMode::gradeOnly);
    EXPECT_EQ(again.botDifficulty.get(), BotDifficulty::hard);
    EXPECT_TRUE(again.fourColorDeck.get());
    EXPECT_EQ(again.tournamentConfig.get().startingStack, 3000);
    EXPECT_FALSE(store->storage.contains("pellox-poker-settings.unreadable"));
}

TEST(SettingsStoreTests, UnreadableDocumentIsKeptBeforeTheFirstSave) {
    const std::string damaged = R"({"version":1,"state":{"guideMode":"shout"}})";
    SettingsStore settings;
    auto store = storeWith(damaged);
    settings.load(store);
    EXPECT_EQ(store->storage.size(), 1u);  // loading writes nothing
    settings.save();
    EXPECT_EQ(store->storage.at("pellox-poker-settings.unreadable"), damaged);
    EXPECT_EQ(Json::parse(store->storage.at(key)), defaultDocument());
    store->storage.erase("pellox-poker-settings.unreadable");
    settings.save();
    EXPECT_FALSE(store->storage.contains("pellox-poker-settings.unreadable"));
}

}  // namespace
}  // namespace pellox
