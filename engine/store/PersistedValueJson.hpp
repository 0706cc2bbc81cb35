#pragma once
// The JSON steps of PersistedValue, for the file that instantiates it for its state
// (`template struct PersistedValue<State>;`).
#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "rules/Json.hpp"
#include "store/PersistedEnvelope.hpp"
#include "store/PersistedValue.hpp"

namespace pellox {

template <typename T>
std::optional<std::string> PersistedValue<T>::encode(const T& state) const {
    return persistence::encode(Json(PersistedEnvelope<T>{version, state}));
}

template <typename T>
std::optional<T> PersistedValue<T>::decode(const std::string& text) const {
    auto document = persistence::decode(text);
    if (!document) return std::nullopt;
    try {
        auto envelope = json::as<PersistedEnvelope<T>>(*document);
        if (envelope.version != version) return std::nullopt;
        return std::move(envelope.state);
    } catch (const std::exception&) {
        // A reader that fails in any way makes the document absent, never the caller's problem.
        return std::nullopt;
    }
}

}  // namespace pellox
