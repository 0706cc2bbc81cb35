#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "store/GameSpeed.hpp"
#include "store/GuideMode.hpp"
#include "store/StreetKey.hpp"
#include "store/TableTheme.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {
namespace {

TEST(SettingEnumsTests, OnlyTheExactRawStringsRead) {
    EXPECT_EQ(parse<GameSpeed>("fast"), GameSpeed::fast);
    EXPECT_FALSE(parse<GameSpeed>("Fast"));
    EXPECT_THROW(Json("Fast").get<GameSpeed>(), Json::exception);
    EXPECT_FALSE(parse<GuideMode>("gradeOnly"));
    EXPECT_EQ(parse<GuideMode>("grade-only"), GuideMode::gradeOnly);
    EXPECT_FALSE(parse<TableTheme>("cardRoom"));
    EXPECT_EQ(parse<TableTheme>("card-room"), TableTheme::cardRoom);
    EXPECT_FALSE(parse<StreetKey>("showdown"));
    EXPECT_EQ(multiplier(GameSpeed::fast), 0.55);
}

TEST(SettingEnumsTests, StreetKeysAndTogglesLeaveShowdownOut) {
    EXPECT_EQ(streetKey(Street::turn), StreetKey::turn);
    EXPECT_FALSE(streetKey(Street::showdown));
    StrategyToggles t = StrategyToggles::allOn;
    t.turn = false;
    EXPECT_TRUE(t.isEnabled(Street::flop));
    EXPECT_FALSE(t.isEnabled(Street::turn));
    EXPECT_FALSE(StrategyToggles::allOn.isEnabled(Street::showdown));
}

}  // namespace
}  // namespace pellox
