#include "rules/Json.hpp"

#include <cmath>

namespace pellox {

void json::fail(const Json& at, std::string_view what) {
    throw Json::other_error::create(501, std::string(what), &at);
}

const Json& json::requireObject(const Json& j) {
    if (!j.is_object()) fail(j, "expected an object");
    return j;
}

const Json& json::requireArray(const Json& j) {
    if (!j.is_array()) fail(j, "expected an array");
    return j;
}

const Json& json::member(const Json& object, std::string_view key) {
    requireObject(object);
    auto it = object.find(key);
    if (it == object.end()) fail(object, "missing key \"" + std::string(key) + "\"");
    return *it;
}

std::int64_t json::asInt64(const Json& j) {
    if (j.is_number_integer()) {
        if (j.is_number_unsigned() &&
            j.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            fail(j, "integer out of range");
        return j.get<std::int64_t>();
    }
    fail(j, "expected an integer");
}

std::int32_t json::asInt32(const Json& j) {
    std::int64_t v = asInt64(j);
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        fail(j, "integer out of 32-bit range");
    return static_cast<std::int32_t>(v);
}

std::uint32_t json::asUInt32(const Json& j) {
    std::int64_t v = asInt64(j);
    if (v < 0 || v > std::numeric_limits<std::uint32_t>::max()) fail(j, "integer out of 32-bit range");
    return static_cast<std::uint32_t>(v);
}

double json::asDouble(const Json& j) {
    if (!j.is_number()) fail(j, "expected a number");
    double v = j.get<double>();
    if (!std::isfinite(v)) fail(j, "expected a finite number");
    return v;
}

bool json::asBool(const Json& j) {
    if (!j.is_boolean()) fail(j, "expected a boolean");
    return j.get<bool>();
}

const std::string& json::asString(const Json& j) {
    if (!j.is_string()) fail(j, "expected a string");
    return j.get_ref<const std::string&>();
}

}  // namespace pellox
