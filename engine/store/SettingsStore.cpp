#include "store/SettingsStore.hpp"

#include <array>
#include <cstddef>
#include <utility>

#include "rules/Json.hpp"
#include "store/InMemoryStore.hpp"
#include "store/PersistedValueJson.hpp"
#include "store/SettingsRange.hpp"
#include "store/StreetKey.hpp"

namespace pellox {

template struct PersistedValue<SettingsStore::Snapshot>;

const PersistedValue<SettingsStore::Snapshot> SettingsStore::persisted{"pellox-poker-settings", 1};

namespace {
const SettingsStore::Snapshot& defaults() {
    static const SettingsStore::Snapshot snapshot{};
    return snapshot;
}

StrategyToggles toggles(const SettingsStore::Snapshot::StrategyTogglesSnapshot& t) {
    return {t.preflop, t.flop, t.turn, t.river};
}
}  // namespace

SettingsStore::SettingsStore()
    : guideMode(observers_, Property::guideMode, defaults().guideMode),
      strategyToggles(observers_, Property::strategyToggles, toggles(defaults().strategyToggles)),
      gameSpeed(observers_, Property::gameSpeed, defaults().gameSpeed),
      soundEnabled(observers_, Property::soundEnabled, defaults().soundEnabled),
      hapticsEnabled(observers_, Property::hapticsEnabled, defaults().hapticsEnabled),
      fourColorDeck(observers_, Property::fourColorDeck, defaults().fourColorDeck),
      botDifficulty(observers_, Property::botDifficulty, defaults().botDifficulty),
      tableTheme(observers_, Property::tableTheme, defaults().tableTheme),
      hasOnboarded(observers_, Property::hasOnboarded, defaults().hasOnboarded),
      cashConfig(observers_, Property::cashConfig, defaults().cashConfig),
      tournamentConfig(observers_, Property::tournamentConfig, defaults().tournamentConfig),
      store_(std::make_shared<InMemoryStore>()) {}

void SettingsStore::load(std::shared_ptr<KeyValueStore> store) {
    store_ = std::move(store);
    auto snapshot = persisted.load(*store_, unreadableDocument_, [](const Snapshot& s) {
        return isWithinSettingsRanges(s.cashConfig) && isWithinSettingsRanges(s.tournamentConfig);
    });
    if (snapshot) apply(*snapshot);
    hasLoaded_ = true;
}

void SettingsStore::save() {
    if (!hasLoaded_) return;
    persisted.save(makeSnapshot(), *store_, unreadableDocument_);
}

void SettingsStore::apply(const Snapshot& s) {
    guideMode.set(s.guideMode);
    strategyToggles.set(toggles(s.strategyToggles));
    gameSpeed.set(s.gameSpeed);
    soundEnabled.set(s.soundEnabled);
    hapticsEnabled.set(s.hapticsEnabled);
    fourColorDeck.set(s.fourColorDeck);
    botDifficulty.set(s.botDifficulty);
    tableTheme.set(s.tableTheme);
    hasOnboarded.set(s.hasOnboarded);
    cashConfig.set(s.cashConfig);
    tournamentConfig.set(s.tournamentConfig);
}

SettingsStore::Snapshot SettingsStore::makeSnapshot() const {
    const StrategyToggles& t = strategyToggles;
    return Snapshot{guideMode,       {t.preflop, t.flop, t.turn, t.river},
                    gameSpeed,       soundEnabled,
                    hapticsEnabled,  fourColorDeck,
                    botDifficulty,   tableTheme,
                    hasOnboarded,    cashConfig,
                    tournamentConfig};
}

void SettingsStore::setStrategyToggle(Street street, bool enabled) {
    // In the order of the street keys; showdown has none and so no toggle.
    static constexpr std::array<bool StrategyToggles::*, 4> flags{
        &StrategyToggles::preflop, &StrategyToggles::flop, &StrategyToggles::turn, &StrategyToggles::river};
    if (const auto key = streetKey(street))
        strategyToggles.modify(
            [&](StrategyToggles& t) { t.*flags[static_cast<std::size_t>(*key)] = enabled; });
    save();
}

void SettingsStore::restoreDefaults() {
    apply(defaults());
    save();
}

void to_json(Json& j, const SettingsStore::Snapshot::StrategyTogglesSnapshot& t) {
    j = Json{{"preflop", t.preflop}, {"flop", t.flop}, {"turn", t.turn}, {"river", t.river}};
}

void from_json(const Json& j, SettingsStore::Snapshot::StrategyTogglesSnapshot& t) {
    t.preflop = json::read<bool>(j, "preflop");
    t.flop = json::read<bool>(j, "flop");
    t.turn = json::read<bool>(j, "turn");
    t.river = json::read<bool>(j, "river");
}

void to_json(Json& j, const SettingsStore::Snapshot& s) {
    j = Json::object();
    j["guideMode"] = s.guideMode;
    j["strategyToggles"] = s.strategyToggles;
    j["gameSpeed"] = s.gameSpeed;
    j["soundEnabled"] = s.soundEnabled;
    j["hapticsEnabled"] = s.hapticsEnabled;
    j["fourColorDeck"] = s.fourColorDeck;
    j["botDifficulty"] = s.botDifficulty;
    j["tableTheme"] = s.tableTheme;
    j["hasOnboarded"] = s.hasOnboarded;
    j["cashConfig"] = s.cashConfig;
    j["tournamentConfig"] = s.tournamentConfig;
}

void from_json(const Json& j, SettingsStore::Snapshot& s) {
    s.guideMode = json::read<GuideMode>(j, "guideMode");
    s.strategyToggles = json::read<SettingsStore::Snapshot::StrategyTogglesSnapshot>(j, "strategyToggles");
    s.gameSpeed = json::read<GameSpeed>(j, "gameSpeed");
    s.soundEnabled = json::read<bool>(j, "soundEnabled");
    s.hapticsEnabled = json::read<bool>(j, "hapticsEnabled");
    s.fourColorDeck = json::read<bool>(j, "fourColorDeck");
    s.botDifficulty = json::read<BotDifficulty>(j, "botDifficulty");
    s.tableTheme = json::read<TableTheme>(j, "tableTheme");
    s.hasOnboarded = json::read<bool>(j, "hasOnboarded");
    s.cashConfig = json::read<CashGameConfig>(j, "cashConfig");
    s.tournamentConfig = json::read<TournamentConfig>(j, "tournamentConfig");
}

}  // namespace pellox
