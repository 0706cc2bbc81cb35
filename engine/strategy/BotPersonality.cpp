#include "strategy/BotPersonality.hpp"

#include "rules/Json.hpp"

namespace pellox {

const std::map<std::string, BotPersonality>& BotPersonality::presets() {
    static const std::map<std::string, BotPersonality> table{
        {"tight", tight}, {"balanced", balanced}, {"loose", loose}, {"maniac", maniac}};
    return table;
}

void to_json(Json& j, const BotPersonality& p) {
    j = Json{{"looseness", p.looseness}, {"aggression", p.aggression}, {"bluffFrequency", p.bluffFrequency}};
}

namespace {
double readChance(const Json& j, std::string_view key) {
    const double v = json::read<double>(j, key);
    if (v < 0 || v > 1) json::fail(json::member(j, key), "a chance must lie in [0, 1]");
    return v;
}
}  // namespace

void from_json(const Json& j, BotPersonality& p) {
    p = BotPersonality{readChance(j, "looseness"), readChance(j, "aggression"),
                       readChance(j, "bluffFrequency")};
}

}  // namespace pellox
