#pragma once
#include <cstdint>

#include "rules/Json.hpp"

namespace pellox {

// The versioned wrapper of every stored document: {"version": <integer>, "state": <the state>}.
template <typename T>
struct PersistedEnvelope {
    std::int64_t version = 0;
    T state{};
};

template <typename T>
void to_json(Json& j, const PersistedEnvelope<T>& envelope) {
    j = Json::object();
    j["version"] = envelope.version;
    j["state"] = envelope.state;
}

template <typename T>
void from_json(const Json& j, PersistedEnvelope<T>& envelope) {
    envelope.version = json::read<std::int64_t>(j, "version");
    envelope.state = json::read<T>(j, "state");
}

}  // namespace pellox
