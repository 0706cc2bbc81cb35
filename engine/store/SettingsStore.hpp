#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "rules/CashGameConfig.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/Street.hpp"
#include "rules/TournamentConfig.hpp"
#include "store/GameSpeed.hpp"
#include "store/GuideMode.hpp"
#include "store/KeyValueStore.hpp"
#include "store/Observed.hpp"
#include "store/PersistedValue.hpp"
#include "store/TableTheme.hpp"
#include "strategy/BotDifficulty.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {

// The user's settings for the life of the process, kept in the document "pellox-poker-settings".
// Setting a value never writes: callers save() after their edits.
class SettingsStore {
  public:
    // The stored form; its default values are the default settings.
    struct Snapshot {
        struct StrategyTogglesSnapshot {
            bool preflop = true;
            bool flop = true;
            bool turn = true;
            bool river = true;
            friend bool operator==(const StrategyTogglesSnapshot&, const StrategyTogglesSnapshot&) = default;
        };

        GuideMode guideMode = GuideMode::show;
        StrategyTogglesSnapshot strategyToggles;
        GameSpeed gameSpeed = GameSpeed::normal;
        bool soundEnabled = true;
        bool hapticsEnabled = true;
        bool fourColorDeck = false;
        BotDifficulty botDifficulty = BotDifficulty::normal;
        TableTheme tableTheme = TableTheme::cardRoom;
        bool hasOnboarded = false;
        CashGameConfig cashConfig = CashGameConfig::standard;
        TournamentConfig tournamentConfig;

        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };

    // The names the store-wide subscribers receive, one per setting.
    struct Property {
        static constexpr std::string_view guideMode{"guideMode"};
        static constexpr std::string_view strategyToggles{"strategyToggles"};
        static constexpr std::string_view gameSpeed{"gameSpeed"};
        static constexpr std::string_view soundEnabled{"soundEnabled"};
        static constexpr std::string_view hapticsEnabled{"hapticsEnabled"};
        static constexpr std::string_view fourColorDeck{"fourColorDeck"};
        static constexpr std::string_view botDifficulty{"botDifficulty"};
        static constexpr std::string_view tableTheme{"tableTheme"};
        static constexpr std::string_view hasOnboarded{"hasOnboarded"};
        static constexpr std::string_view cashConfig{"cashConfig"};
        static constexpr std::string_view tournamentConfig{"tournamentConfig"};
    };

    SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

  private:
    Observers observers_;  // declared before the settings that notify through it

  public:
    Observed<GuideMode> guideMode;
    Observed<StrategyToggles> strategyToggles;
    Observed<GameSpeed> gameSpeed;
    Observed<bool> soundEnabled;
    Observed<bool> hapticsEnabled;
    Observed<bool> fourColorDeck;
    Observed<BotDifficulty> botDifficulty;
    Observed<TableTheme> tableTheme;
    Observed<bool> hasOnboarded;
    Observed<CashGameConfig> cashConfig;
    Observed<TournamentConfig> tournamentConfig;

    // Uses the store from now on and applies its document when one is readable.
    void load(std::shared_ptr<KeyValueStore> store);
    // Writes the whole document, once loaded.
    void save();
    // Sets every setting through its observed setter: only changed settings notify. Does not save.
    void apply(const Snapshot& snapshot);
    Snapshot makeSnapshot() const;
    // One observed edit of the toggles (notifies even when unchanged); showdown changes nothing. Saves.
    void setStrategyToggle(Street street, bool enabled);
    // Every setting back to its default, onboarding included, then saves.
    void restoreDefaults();

    // Every setting's changes, with the setting's name; one setting's through its own subscribe().
    [[nodiscard]] Subscription subscribe(Observers::Callback callback) {
        return observers_.subscribe(std::move(callback));
    }

    bool hasLoaded() const noexcept { return hasLoaded_; }
    const KeyValueStore& store() const noexcept { return *store_; }

    static const PersistedValue<Snapshot> persisted;

  private:
    std::shared_ptr<KeyValueStore> store_;
    bool hasLoaded_ = false;
    std::optional<std::string> unreadableDocument_;  // kept aside before the first save over it
};

void to_json(Json& j, const SettingsStore::Snapshot::StrategyTogglesSnapshot& t);
void from_json(const Json& j, SettingsStore::Snapshot::StrategyTogglesSnapshot& t);
void to_json(Json& j, const SettingsStore::Snapshot& s);
void from_json(const Json& j, SettingsStore::Snapshot& s);

}  // namespace pellox
