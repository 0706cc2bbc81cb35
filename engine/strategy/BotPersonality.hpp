#pragma once
#include <map>
#include <string>

#include "rules/JsonFwd.hpp"

namespace pellox {

// Chances in [0, 1]: loose calls, aggressive upgrades and bluffs.
struct BotPersonality {
    double looseness{0};
    double aggression{0};
    double bluffFrequency{0};

    static const BotPersonality tight;
    static const BotPersonality balanced;
    static const BotPersonality loose;
    static const BotPersonality maniac;

    // The four presets by name ("tight", "balanced", "loose", "maniac").
    static const std::map<std::string, BotPersonality>& presets();

    friend bool operator==(const BotPersonality&, const BotPersonality&) = default;
};

inline constexpr BotPersonality BotPersonality::tight{0.05, 0.10, 0.03};
inline constexpr BotPersonality BotPersonality::balanced{0.15, 0.20, 0.08};
inline constexpr BotPersonality BotPersonality::loose{0.35, 0.25, 0.10};
inline constexpr BotPersonality BotPersonality::maniac{0.30, 0.50, 0.25};

void to_json(Json& j, const BotPersonality& p);
// Each chance must be a number in [0, 1].
void from_json(const Json& j, BotPersonality& p);

}  // namespace pellox
