#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "rules/CashGameConfig.hpp"
#include "rules/JsonFwd.hpp"
#include "rules/Street.hpp"
#include "rules/TournamentConfig.hpp"
#include "store/GameSpeed.hpp"
#include "store/GuideMode.hpp"
#include "store/KeyValueStore.hpp"
#include "store/Observed.hpp"
#include "store/PersistedValue.hpp"
#include "store/SettingField.hpp"
#include "store/TableTheme.hpp"
#include "strategy/BotDifficulty.hpp"
#include "strategy/StrategyToggles.hpp"

namespace pellox {

// The user's settings for the life of the process, kept in the document "pellox-poker-settings".
// Setting a value never writes: callers save() after their edits.
class SettingsStore {
  public:
    // The stored form; its default values are the default settings. Each member is a setting, declared
    // once more in settingFields (below) with its observed member and name.
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

    // The observed setting at its default; refuses to compile for a member settingFields does not declare.
    template <auto ObservedMember>
    MemberType<ObservedMember> setting();

  public:
    // Each starts at its default under its name, both from its entry in settingFields.
    Observed<GuideMode> guideMode = setting<&SettingsStore::guideMode>();
    Observed<StrategyToggles> strategyToggles = setting<&SettingsStore::strategyToggles>();
    Observed<GameSpeed> gameSpeed = setting<&SettingsStore::gameSpeed>();
    Observed<bool> soundEnabled = setting<&SettingsStore::soundEnabled>();
    Observed<bool> hapticsEnabled = setting<&SettingsStore::hapticsEnabled>();
    Observed<bool> fourColorDeck = setting<&SettingsStore::fourColorDeck>();
    Observed<BotDifficulty> botDifficulty = setting<&SettingsStore::botDifficulty>();
    Observed<TableTheme> tableTheme = setting<&SettingsStore::tableTheme>();
    Observed<bool> hasOnboarded = setting<&SettingsStore::hasOnboarded>();
    Observed<CashGameConfig> cashConfig = setting<&SettingsStore::cashConfig>();
    Observed<TournamentConfig> tournamentConfig = setting<&SettingsStore::tournamentConfig>();

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

// Every setting once, in the order of the stored form: apply() sets them in this order, so they announce
// in it. The stored document's key of each is its name.
inline constexpr std::tuple settingFields{
    SettingField<&SettingsStore::Snapshot::guideMode, &SettingsStore::guideMode>{
        SettingsStore::Property::guideMode},
    SettingField<&SettingsStore::Snapshot::strategyToggles, &SettingsStore::strategyToggles>{
        SettingsStore::Property::strategyToggles},
    SettingField<&SettingsStore::Snapshot::gameSpeed, &SettingsStore::gameSpeed>{
        SettingsStore::Property::gameSpeed},
    SettingField<&SettingsStore::Snapshot::soundEnabled, &SettingsStore::soundEnabled>{
        SettingsStore::Property::soundEnabled},
    SettingField<&SettingsStore::Snapshot::hapticsEnabled, &SettingsStore::hapticsEnabled>{
        SettingsStore::Property::hapticsEnabled},
    SettingField<&SettingsStore::Snapshot::fourColorDeck, &SettingsStore::fourColorDeck>{
        SettingsStore::Property::fourColorDeck},
    SettingField<&SettingsStore::Snapshot::botDifficulty, &SettingsStore::botDifficulty>{
        SettingsStore::Property::botDifficulty},
    SettingField<&SettingsStore::Snapshot::tableTheme, &SettingsStore::tableTheme>{
        SettingsStore::Property::tableTheme},
    SettingField<&SettingsStore::Snapshot::hasOnboarded, &SettingsStore::hasOnboarded>{
        SettingsStore::Property::hasOnboarded},
    SettingField<&SettingsStore::Snapshot::cashConfig, &SettingsStore::cashConfig>{
        SettingsStore::Property::cashConfig},
    SettingField<&SettingsStore::Snapshot::tournamentConfig, &SettingsStore::tournamentConfig>{
        SettingsStore::Property::tournamentConfig},
};

static_assert(std::tuple_size_v<decltype(settingFields)> == aggregateMemberCount<SettingsStore::Snapshot>(),
              "every member of the stored form is declared in settingFields");

static_assert(std::apply(
                  [](const auto&... fields) {
                      const std::string_view names[]{fields.name...};
                      for (std::size_t i = 0; i < std::size(names); ++i)
                          for (std::size_t k = i + 1; k < std::size(names); ++k)
                              if (names[i] == names[k]) return false;
                      return true;
                  },
                  settingFields),
              "each setting has its own name");

void to_json(Json& j, const SettingsStore::Snapshot::StrategyTogglesSnapshot& t);
void from_json(const Json& j, SettingsStore::Snapshot::StrategyTogglesSnapshot& t);
void to_json(Json& j, const SettingsStore::Snapshot& s);
void from_json(const Json& j, SettingsStore::Snapshot& s);

}  // namespace pellox
