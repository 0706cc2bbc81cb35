#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "review/SettingsFormModel.hpp"
#include "rules/Json.hpp"
#include "store/InMemoryStore.hpp"
#include "store/SettingsRange.hpp"
#include "store/SettingsStore.hpp"

namespace pellox::app {
namespace {

namespace model = SettingsFormModel;

TEST(SettingsFormModel, GuideFooterForEveryMode) {
    EXPECT_EQ(model::guideFooter(GuideMode::show),
              "Choose which streets show advice before you act. Every decision is still graded.");
    EXPECT_EQ(model::guideFooter(GuideMode::gradeOnly),
              "Advice is hidden while you play and your decisions are still graded, so the post-hand report "
              "tells you how you did.");
    EXPECT_EQ(model::guideFooter(GuideMode::off),
              "No advice and no grading. The equity calculation does not run at all.");
}

TEST(SettingsFormModel, StakesTitlesAndTheRatio) {
    EXPECT_EQ(model::bigBlindTitle(10), "Big blind: $10");
    EXPECT_EQ(model::buyInTitle(10000), "Buy-in: $10000");
    EXPECT_EQ(model::tournamentStackTitle(50000), "Tournament stack: 50000");
    EXPECT_EQ(model::bigBlindRatioText(100, 100), "1 big blinds");
    EXPECT_EQ(model::bigBlindRatioText(10000, 2), "5000 big blinds");
    EXPECT_EQ(model::bigBlindRatioText(100, 30), "3 big blinds");
    EXPECT_FALSE(model::bigBlindRatioText(1000, 0).has_value());
    EXPECT_FALSE(model::bigBlindRatioText(1000, -10).has_value());
}

// The steppers can show the default stakes and step back to them.
TEST(SettingsFormModel, DefaultStakesLieOnTheirSteppers) {
    const SettingsStore::Snapshot defaults;
    const std::vector<std::pair<SettingsRange, std::int64_t>> rows{
        {SettingsRange::bigBlind, defaults.cashConfig.bigBlind},
        {SettingsRange::buyIn, defaults.cashConfig.defaultBuyIn},
        {SettingsRange::tournamentStack, defaults.tournamentConfig.startingStack}};
    for (const auto& [range, value] : rows) {
        EXPECT_GE(value, range.minimum);
        EXPECT_LE(value, range.maximum);
        EXPECT_EQ((value - range.minimum) % range.step, 0) << value;
    }
}

struct LoadedSettings {
    std::shared_ptr<InMemoryStore> store = std::make_shared<InMemoryStore>();
    SettingsStore settings;
    LoadedSettings() { settings.load(store); }
    Json stored() const { return Json::parse(store->storage.at("pellox-poker-settings"))["state"]; }
};

TEST(SettingsFormModel, StakeWritesSaveAtOnce) {
    LoadedSettings rig;
    for (auto [big, small] :
         {std::pair{2, 1}, std::pair{10, 5}, std::pair{100, 50}, std::pair{1, 1}, std::pair{7, 3}}) {
        model::setBigBlind(rig.settings, big);
        EXPECT_EQ(rig.settings.cashConfig.get(), (CashGameConfig{small, big, 1000})) << big;
        EXPECT_EQ(rig.stored()["cashConfig"]["smallBlind"], small) << big;
    }
    model::setBuyIn(rig.settings, 3000);
    EXPECT_EQ(rig.settings.cashConfig.get(), (CashGameConfig{3, 7, 3000}));
    EXPECT_EQ(rig.stored()["cashConfig"]["defaultBuyIn"], 3000);
    model::setTournamentStack(rig.settings, 4500);
    EXPECT_EQ(rig.settings.tournamentConfig.get().startingStack, 4500);
    EXPECT_EQ(rig.stored()["tournamentConfig"]["startingStack"], 4500);
    EXPECT_EQ(rig.settings.tournamentConfig.get().blindSchedule, TournamentConfig{}.blindSchedule);
}

TEST(SettingsFormModel, StreetTogglesReadAndWriteOneStreet) {
    LoadedSettings rig;
    model::setStreetToggle(rig.settings, Street::turn, false);
    for (Street street : {Street::preflop, Street::flop, Street::turn, Street::river})
        EXPECT_EQ(model::streetToggleValue(rig.settings, street), street != Street::turn);
    EXPECT_FALSE(model::streetToggleValue(rig.settings, Street::showdown));
    EXPECT_EQ(rig.stored()["strategyToggles"]["turn"], false);
}

}  // namespace
}  // namespace pellox::app
