#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "session/GameSpeed.hpp"
#include "session/GuideMode.hpp"
#include "session/StreetKey.hpp"
#include "session/TableTheme.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {
namespace {

TEST(SettingEnumsTests, RawStringsAndOrder) {
    EXPECT_EQ(allCases<GuideMode>(), (std::array{GuideMode::show, GuideMode::gradeOnly, GuideMode::off}));
    EXPECT_EQ(rawValue(GuideMode::gradeOnly), "grade-only");
    EXPECT_EQ(rawValue(TableTheme::cardRoom), "card-room");
    EXPECT_EQ(rawValue(TableTheme::clubGreen), "club-green");
    EXPECT_EQ(allCases<TableTheme>().size(), 4u);
    EXPECT_EQ(allCases<GameSpeed>(), (std::array{GameSpeed::relaxed, GameSpeed::normal, GameSpeed::fast}));
    EXPECT_EQ(parse<GameSpeed>("fast"), GameSpeed::fast);
    EXPECT_FALSE(parse<GameSpeed>("Fast"));
    EXPECT_FALSE(parse<GuideMode>("gradeOnly"));
    EXPECT_FALSE(parse<TableTheme>("cardRoom"));
    EXPECT_THROW(Json("Fast").get<GameSpeed>(), Json::exception);
    EXPECT_EQ(Json(GameSpeed::relaxed), "relaxed");
}

TEST(SettingEnumsTests, GameSpeedMultipliers) {
    EXPECT_EQ(multiplier(GameSpeed::relaxed), 1.5);
    EXPECT_EQ(multiplier(GameSpeed::normal), 1.0);
    EXPECT_EQ(multiplier(GameSpeed::fast), 0.55);
}

TEST(SettingEnumsTests, StreetKeysNameOnlyBettingStreets) {
    EXPECT_EQ(streetKey(Street::turn), StreetKey::turn);
    EXPECT_FALSE(streetKey(Street::showdown));
    EXPECT_FALSE(parse<StreetKey>("showdown"));
    EXPECT_EQ(allCases<StreetKey>(),
              (std::array{StreetKey::preflop, StreetKey::flop, StreetKey::turn, StreetKey::river}));
}

TEST(SettingEnumsTests, StrategyTogglesFollowTheirFlags) {
    EXPECT_EQ(StrategyToggles::allOn, (StrategyToggles{true, true, true, true}));
    StrategyToggles t = StrategyToggles::allOn;
    t.turn = false;
    EXPECT_TRUE(t.isEnabled(Street::flop));
    EXPECT_FALSE(t.isEnabled(Street::turn));
    EXPECT_FALSE(StrategyToggles::allOn.isEnabled(Street::showdown));
    EXPECT_NE(std::hash<StrategyToggles>{}(t), std::hash<StrategyToggles>{}(StrategyToggles::allOn));
}

}  // namespace
}  // namespace pellox
