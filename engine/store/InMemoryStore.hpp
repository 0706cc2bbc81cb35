#pragma once
#include <map>
#include <string>

#include "store/KeyValueStore.hpp"

namespace pellox {

// Keeps its strings for the life of the object only: the stores' placeholder until they load, and tests.
class InMemoryStore final : public KeyValueStore {
  public:
    std::map<std::string, std::string, std::less<>> storage;

    std::optional<std::string> string(std::string_view key) const override {
        auto it = storage.find(key);
        if (it == storage.end()) return std::nullopt;
        return it->second;
    }
    void set(std::string value, std::string_view key) override {
        storage.insert_or_assign(std::string(key), std::move(value));
    }
    void remove(std::string_view key) override {
        if (auto it = storage.find(key); it != storage.end()) storage.erase(it);
    }
};

}  // namespace pellox
