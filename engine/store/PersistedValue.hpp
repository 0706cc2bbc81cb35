#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "rules/JsonFwd.hpp"
#include "store/KeyValueStore.hpp"

namespace pellox {

namespace persistence {
// The compact text of a document, or none when it holds a non-finite number or invalid UTF-8.
std::optional<std::string> encode(const Json& document);
// The parsed document, or none when the text is not JSON.
std::optional<Json> decode(const std::string& text);
}  // namespace persistence

// Binds a state type to a storage key and an envelope version; the store is passed to each call. The JSON
// steps (encode, decode) are in store/PersistedValueJson.hpp, instantiated once by the state's owner.
template <typename T>
struct PersistedValue {
    std::string key;
    std::int64_t version = 0;

    // None when the key is missing, the document unreadable or of another version. Never writes.
    std::optional<T> load(const KeyValueStore& store) const {
        auto text = store.string(key);
        if (!text) return std::nullopt;
        return decode(*text);
    }

    // As load; when nothing loads, `unreadable` receives the text stored under the key (if any), for the
    // next save to keep aside.
    std::optional<T> load(const KeyValueStore& store, std::optional<std::string>& unreadable) const {
        return load(store, unreadable, [](const T&) { return true; });
    }

    // As load; a state that `accept` refuses (values out of range) counts as unreadable too.
    template <typename Accept>
    std::optional<T> load(const KeyValueStore& store, std::optional<std::string>& unreadable,
                          Accept accept) const {
        unreadable = store.string(key);
        if (!unreadable) return std::nullopt;
        auto state = decode(*unreadable);
        if (!state || !accept(*state)) return std::nullopt;
        unreadable.reset();
        return state;
    }

    // The document text for a state, or none when it cannot be encoded.
    std::optional<std::string> encode(const T& state) const;

    // A state that cannot be encoded writes nothing; the previous document stays.
    void save(const T& state, KeyValueStore& store) const {
        if (auto text = encode(state)) store.set(std::move(*text), key);
    }

    // As save; a document that was present but unreadable when loaded (`unreadable`) is first kept aside
    // (keepAside), so the new document never silently destroys it.
    void save(const T& state, KeyValueStore& store, std::optional<std::string>& unreadable) const {
        if (auto text = encode(state)) write(std::move(*text), store, unreadable);
    }

    // Writes an already encoded document, keeping an unreadable one aside first as save does.
    void write(std::string text, KeyValueStore& store, std::optional<std::string>& unreadable) const {
        // Together: a crash between the two would leave the damaged document to be kept a second time.
        KeyValueStore::Batch batch(store);
        if (unreadable) {
            keepAside(std::move(*unreadable), store);
            unreadable.reset();
        }
        store.set(std::move(text), key);
    }

    // Keeps a document that could not be used under key + ".unreadable", or under the first of
    // ".unreadable-2", ".unreadable-3", ... that is free: a copy kept earlier is never written over.
    void keepAside(std::string text, KeyValueStore& store) const {
        std::string aside = key + ".unreadable";
        for (int n = 2; store.string(aside); ++n)
            aside = key + ".unreadable-" + std::to_string(n);
        store.set(std::move(text), aside);
    }

  private:
    std::optional<T> decode(const std::string& text) const;
};

}  // namespace pellox
