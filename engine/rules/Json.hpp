#pragma once
// Strict reading of stored documents: every required key present with exactly its JSON type, integers
// never from floats, 32-bit fields range-checked. Any failure throws nlohmann::json::exception, which the
// stores catch and treat as an absent document.
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "rules/JsonFwd.hpp"
#include "rules/RawEnum.hpp"
#include "rules/RawEnumJson.hpp"

namespace pellox {
namespace json {

[[noreturn]] void fail(const Json& at, std::string_view what);

const Json& member(const Json& object, std::string_view key);
const Json& requireObject(const Json& j);
const Json& requireArray(const Json& j);

std::int64_t asInt64(const Json& j);
std::int32_t asInt32(const Json& j);
std::uint32_t asUInt32(const Json& j);
double asDouble(const Json& j);
bool asBool(const Json& j);
const std::string& asString(const Json& j);

// Reads any type with a strict from_json (or one of the scalar readers above, by type).
template <typename T>
T as(const Json& j);

template <typename T>
T read(const Json& object, std::string_view key) {
    return as<T>(member(object, key));
}

// Absent key reads as none; a present key must hold a valid value (null is not accepted).
template <typename T>
std::optional<T> readOptional(const Json& object, std::string_view key) {
    requireObject(object);
    auto it = object.find(key);
    if (it == object.end()) return std::nullopt;
    return as<T>(*it);
}

template <typename T>
std::vector<T> asVector(const Json& j) {
    requireArray(j);
    std::vector<T> out;
    out.reserve(j.size());
    for (const auto& element : j)
        out.push_back(as<T>(element));
    return out;
}

template <typename T>
struct AsTag {};

template <typename T>
T asImpl(const Json& j, AsTag<T>) {
    T value{};
    from_json(j, value);
    return value;
}
inline std::int64_t asImpl(const Json& j, AsTag<std::int64_t>) {
    return asInt64(j);
}
inline std::int32_t asImpl(const Json& j, AsTag<std::int32_t>) {
    return asInt32(j);
}
inline std::uint32_t asImpl(const Json& j, AsTag<std::uint32_t>) {
    return asUInt32(j);
}
inline double asImpl(const Json& j, AsTag<double>) {
    return asDouble(j);
}
inline bool asImpl(const Json& j, AsTag<bool>) {
    return asBool(j);
}
inline std::string asImpl(const Json& j, AsTag<std::string>) {
    return asString(j);
}
template <typename T>
std::vector<T> asImpl(const Json& j, AsTag<std::vector<T>>) {
    return asVector<T>(j);
}

template <typename T>
T as(const Json& j) {
    return asImpl(j, AsTag<T>{});
}

// Writes an optional field only when present.
template <typename T>
void writeOptional(Json& object, std::string_view key, const std::optional<T>& value) {
    if (value) object[std::string(key)] = *value;
}

// A dictionary keyed by an enumeration is stored as an array alternating the key's raw string and the value.
template <typename K, typename V>
Json encodeEnumMap(const std::map<K, V>& map) {
    Json out = Json::array();
    for (const auto& [k, v] : map) {
        out.push_back(std::string(rawValue(k)));
        out.push_back(v);
    }
    return out;
}

template <typename K, typename V>
std::map<K, V> decodeEnumMap(const Json& j) {
    requireArray(j);
    if (j.size() % 2 != 0) fail(j, "a keyed dictionary needs an even number of elements");
    std::map<K, V> out;
    for (std::size_t i = 0; i < j.size(); i += 2)
        out[as<K>(j[i])] = as<V>(j[i + 1]);
    return out;
}

}  // namespace json
}  // namespace pellox
