#pragma once
// The decisions behind the table's controls besides the action bar: the header's title, the keys, the
// pre-set action's timing, leaving and playing again.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "view/PlayerNameSource.hpp"

namespace pellox {
struct LegalActions;
struct Standing;
struct TableState;
enum class GameMode;
enum class GameSpeed;
enum class PlayerActionType;
enum class PreAction;
}  // namespace pellox

namespace pellox::app::TableControls {

// "Cash Game", or "Tournament · Hand <n>" (hand 0 without a table).
std::string headerTitle(const std::optional<GameMode>& mode, std::int64_t handNumber);

// Seconds from the human's turn to the armed pre-action; reduce motion does not shorten it.
double preActionDelay(GameSpeed speed);

// "<human's turn>:<pre-action or ->:<hand number>"; a change restarts the pre-action's wait.
std::string preActionKey(bool isHumanTurn, const std::optional<PreAction>& preAction,
                         std::int64_t handNumber);

// As many bots as the table had, at least one.
std::int64_t playAgainBotCount(const std::optional<TableState>& table);

enum class ExitRequest { confirmLeavingHand, showSummary };
// A hand in progress asks first; otherwise the summary comes at once.
ExitRequest exitRequest(const std::optional<TableState>& table);

enum class ShortcutKey { f, c, a };
// The action a key submits, or none when the key does not exist now (not the human's turn, or not legal).
std::optional<PlayerActionType> shortcutAction(ShortcutKey key, const std::optional<LegalActions>& legal,
                                               bool isHumanTurn);

// The tournament's finishers in order, each as "<place>. <name>" under the name the table shows for them
// ("You" for the human), never the internal id.
std::vector<std::string> standingLines(const std::vector<Standing>& standings, const PlayerNameSource& name);

}  // namespace pellox::app::TableControls
