#pragma once
// The JSON value type by name only: headers declare their to_json and from_json against it, and only the
// files that build or read documents include the whole library (rules/Json.hpp).
#include <nlohmann/json_fwd.hpp>

namespace pellox {

using Json = nlohmann::json;

}  // namespace pellox
