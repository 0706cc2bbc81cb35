#pragma once
// The JSON form of a raw enumeration: its raw string. Read strictly: anything but a known raw string throws.
#include <string>

#include <nlohmann/json.hpp>

#include "rules/RawEnum.hpp"

namespace pellox {

template <RawEnum E>
void to_json(nlohmann::json& j, E value) {
    j = std::string(rawValue(value));
}

template <RawEnum E>
void from_json(const nlohmann::json& j, E& value) {
    if (!j.is_string()) throw nlohmann::json::type_error::create(302, "raw value must be a string", &j);
    auto parsed = parse<E>(j.get_ref<const std::string&>());
    if (!parsed)
        throw nlohmann::json::other_error::create(501, "unknown raw value \"" + j.get<std::string>() + "\"",
                                                  &j);
    value = *parsed;
}

}  // namespace pellox
