#pragma once
#include <QString>
#include <cstdint>
#include <optional>

namespace pellox {
class SettingsStore;
enum class Street;
enum class GuideMode;
}  // namespace pellox

namespace pellox::app {

// What the settings form shows and how its controls write the settings, without a widget.
namespace SettingsFormModel {

// The footer of the guide's section for a mode.
QString guideFooter(GuideMode mode);
bool streetToggleValue(const SettingsStore& settings, Street street);
// Saves through the store's own toggle write.
void setStreetToggle(SettingsStore& settings, Street street, bool enabled);
// The big blind with its small blind, then saved.
void setBigBlind(SettingsStore& settings, std::int64_t bigBlind);
void setBuyIn(SettingsStore& settings, std::int64_t buyIn);
void setTournamentStack(SettingsStore& settings, std::int64_t startingStack);
QString bigBlindTitle(std::int64_t bigBlind);
QString buyInTitle(std::int64_t buyIn);
QString tournamentStackTitle(std::int64_t startingStack);
// "<n> big blinds" with the buy-in divided by the big blind, truncated; none without a positive big blind.
std::optional<QString> bigBlindRatioText(std::int64_t buyIn, std::int64_t bigBlind);

}  // namespace SettingsFormModel

}  // namespace pellox::app
