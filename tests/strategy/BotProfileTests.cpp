#include <gtest/gtest.h>

#include "rules/Json.hpp"
#include "strategy/BotDifficulty.hpp"
#include "strategy/BotProfile.hpp"

namespace pellox {
namespace {

TEST(BotProfileTests, PersonalityPresetsHoldTheirChances) {
    auto expect = [](const BotPersonality& p, double l, double a, double b) {
        EXPECT_EQ(p.looseness, l);
        EXPECT_EQ(p.aggression, a);
        EXPECT_EQ(p.bluffFrequency, b);
    };
    expect(BotPersonality::tight, 0.05, 0.10, 0.03);
    expect(BotPersonality::balanced, 0.15, 0.20, 0.08);
    expect(BotPersonality::loose, 0.35, 0.25, 0.10);
    expect(BotPersonality::maniac, 0.30, 0.50, 0.25);
    const auto& presets = BotPersonality::presets();
    ASSERT_EQ(presets.size(), 4u);
    EXPECT_EQ(presets.at("tight"), BotPersonality::tight);
    EXPECT_EQ(presets.at("balanced"), BotPersonality::balanced);
    EXPECT_EQ(presets.at("loose"), BotPersonality::loose);
    EXPECT_EQ(presets.at("maniac"), BotPersonality::maniac);
}

TEST(BotProfileTests, DifficultyGivesSkillAndPersonalityList) {
    using P = BotPersonality;
    EXPECT_EQ(rawValue(BotDifficulty::easy), "easy");
    EXPECT_EQ(rawValue(BotDifficulty::normal), "normal");
    EXPECT_EQ(rawValue(BotDifficulty::hard), "hard");
    EXPECT_EQ(parse<BotDifficulty>("hard"), BotDifficulty::hard);
    EXPECT_FALSE(parse<BotDifficulty>("Hard"));
    EXPECT_EQ(allCases<BotDifficulty>().size(), 3u);
    EXPECT_EQ(skill(BotDifficulty::easy), BotSkill::beginner);
    EXPECT_EQ(skill(BotDifficulty::normal), BotSkill::intermediate);
    EXPECT_EQ(skill(BotDifficulty::hard), BotSkill::pro);
    EXPECT_EQ(personalities(BotDifficulty::easy),
              (std::vector<P>{P::maniac, P::loose, P::maniac, P::loose, P::balanced}));
    EXPECT_EQ(personalities(BotDifficulty::normal),
              (std::vector<P>{P::tight, P::balanced, P::loose, P::maniac}));
    EXPECT_EQ(personalities(BotDifficulty::hard),
              (std::vector<P>{P::tight, P::balanced, P::tight, P::balanced, P::tight}));
}

TEST(BotProfileTests, SkillRawValues) {
    EXPECT_EQ(rawValue(BotSkill::beginner), "beginner");
    EXPECT_EQ(rawValue(BotSkill::intermediate), "intermediate");
    EXPECT_EQ(rawValue(BotSkill::pro), "pro");
    EXPECT_EQ(allCases<BotSkill>().size(), 3u);
    EXPECT_EQ(BotProfile::standard, (BotProfile{BotSkill::intermediate, BotPersonality::balanced}));
}

TEST(BotProfileTests, JsonRoundTripsEveryCombination) {
    for (BotSkill s : allCases<BotSkill>())
        for (const auto& [name, p] : BotPersonality::presets()) {
            BotProfile profile{s, p};
            Json j = profile;
            EXPECT_EQ(j.get<BotProfile>(), profile) << name;
            EXPECT_EQ(Json::parse(j.dump()).get<BotProfile>(), profile) << name;
        }
    Json j = BotProfile{BotSkill::pro, BotPersonality::maniac};
    EXPECT_EQ(j, Json::parse(R"({"skill":"pro","personality":{"looseness":0.3,"aggression":0.5,
                                 "bluffFrequency":0.25}})"));
}

TEST(BotProfileTests, MalformedDocumentsThrow) {
    const Json good = BotProfile::standard;
    auto broken = [&](auto edit) {
        Json j = good;
        edit(j);
        EXPECT_THROW((void)j.get<BotProfile>(), Json::exception) << j.dump();
    };
    broken([](Json& j) { j.erase("skill"); });
    broken([](Json& j) { j.erase("personality"); });
    broken([](Json& j) { j["skill"] = "expert"; });
    broken([](Json& j) { j["skill"] = 1; });
    broken([](Json& j) { j["personality"].erase("bluffFrequency"); });
    broken([](Json& j) { j["personality"]["looseness"] = "0.1"; });
    broken([](Json& j) { j["personality"]["aggression"] = 1.5; });
    broken([](Json& j) { j["personality"]["aggression"] = -0.1; });
    broken([](Json& j) { j["personality"] = Json::array(); });
    broken([](Json& j) { j = Json::array(); });
    // Whole-number chances are plain numbers and read fine.
    Json edge = good;
    edge["personality"]["looseness"] = 1;
    edge["extra"] = true;
    EXPECT_EQ(edge.get<BotProfile>().personality.looseness, 1.0);
}

}  // namespace
}  // namespace pellox
