#pragma once
#include <QString>

#include "rules/Street.hpp"
#include "store/GameSpeed.hpp"
#include "store/GuideMode.hpp"
#include "store/TableTheme.hpp"
#include "strategy/BotDifficulty.hpp"

namespace pellox::app {

// The names the settings form gives each choice.
QString settingsLabel(GuideMode mode);
QString settingsLabel(TableTheme theme);
QString settingsLabel(GameSpeed speed);
QString settingsLabel(BotDifficulty difficulty);
// "Preflop", "Flop", "Turn", "River", "Showdown".
QString displayName(Street street);

}  // namespace pellox::app
