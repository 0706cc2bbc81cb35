#include "store/Observed.hpp"

#include <stdexcept>
#include <vector>

namespace pellox {

Subscription::Subscription(Subscription&& other) noexcept
    : registry_(std::move(other.registry_)), id_(std::exchange(other.id_, 0)) {}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        registry_ = std::move(other.registry_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void Subscription::reset() noexcept {
    if (auto registry = registry_.lock()) registry->erase(id_);
    registry_.reset();
    id_ = 0;
}

bool Subscription::isActive() const noexcept {
    auto registry = registry_.lock();
    return registry && registry->contains(id_);
}

Subscription Observers::subscribe(Callback callback) {
    const auto id = nextId_++;
    registry_->emplace(id, Subscription::Entry{std::string{}, std::move(callback)});
    return Subscription(registry_, id);
}

Subscription Observers::subscribe(std::string_view property, Callback callback) {
    // A misspelt name would subscribe to nothing, silently.
    if (!declared_.contains(property))
        throw std::invalid_argument("no observed property is named \"" + std::string(property) + "\"");
    const auto id = nextId_++;
    registry_->emplace(id, Subscription::Entry{std::string(property), std::move(callback)});
    return Subscription(registry_, id);
}

void Observers::declare(std::string_view property) {
    declared_.emplace(property);
}

void Observers::notify(std::string_view property) const {
    // Callbacks may subscribe, unsubscribe or even destroy the observed object while we notify: keep the
    // registry and the name alive, walk a copy of the ids, skip any that ended, and call a copy of each
    // callback so it survives its own token being destroyed.
    const auto registry = registry_;
    const std::string name(property);
    std::vector<std::uint64_t> ids;
    ids.reserve(registry->size());
    for (const auto& [id, entry] : *registry)
        if (entry.property.empty() || entry.property == name) ids.push_back(id);
    for (auto id : ids) {
        auto it = registry->find(id);
        if (it == registry->end()) continue;
        auto callback = it->second.callback;
        callback(name);
    }
}

}  // namespace pellox
