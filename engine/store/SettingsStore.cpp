#include "store/SettingsStore.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
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

// A setting's observed value from its stored form and back: the same value but for the guide's toggles.
template <typename T>
const T& observedForm(const T& stored) {
    return stored;
}
StrategyToggles observedForm(const SettingsStore::Snapshot::StrategyTogglesSnapshot& t) {
    return {t.preflop, t.flop, t.turn, t.river};
}
template <typename T>
const T& storedForm(const T& value) {
    return value;
}
SettingsStore::Snapshot::StrategyTogglesSnapshot storedForm(const StrategyToggles& t) {
    return {t.preflop, t.flop, t.turn, t.river};
}

// Calls `visit` with each setting's descriptor, in the declared order.
template <typename Visit>
void forEachSetting(Visit&& visit) {
    std::apply([&](const auto&... fields) { (visit(fields), ...); }, settingFields);
}

// The position of the setting whose observed member is `Member` in settingFields, or their count.
template <auto Member, std::size_t Index = 0>
consteval std::size_t settingIndex() {
    constexpr std::size_t count = std::tuple_size_v<decltype(settingFields)>;
    if constexpr (Index == count) {
        return count;
    } else {
        using Field = std::tuple_element_t<Index, decltype(settingFields)>;
        if constexpr (std::is_same_v<std::remove_const_t<decltype(Field::observed)>, decltype(Member)>) {
            if (Field::observed == Member) return Index;
        }
        return settingIndex<Member, Index + 1>();
    }
}
}  // namespace

template <auto ObservedMember>
MemberType<ObservedMember> SettingsStore::setting() {
    constexpr std::size_t index = settingIndex<ObservedMember>();
    static_assert(index < std::tuple_size_v<decltype(settingFields)>,
                  "the setting is declared in settingFields");
    const auto& field = std::get<index>(settingFields);
    return {observers_, field.name, observedForm(defaults().*field.stored)};
}

SettingsStore::SettingsStore() : store_(std::make_shared<InMemoryStore>()) {}

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
    forEachSetting([&](const auto& field) { (this->*field.observed).set(observedForm(s.*field.stored)); });
}

SettingsStore::Snapshot SettingsStore::makeSnapshot() const {
    Snapshot s;
    forEachSetting([&](const auto& field) { s.*field.stored = storedForm((this->*field.observed).get()); });
    return s;
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
    forEachSetting([&](const auto& field) { j[std::string(field.name)] = s.*field.stored; });
}

void from_json(const Json& j, SettingsStore::Snapshot& s) {
    forEachSetting([&](const auto& field) {
        using Stored = typename std::remove_cvref_t<decltype(field)>::Stored;
        s.*field.stored = json::read<Stored>(j, field.name);
    });
}

}  // namespace pellox
