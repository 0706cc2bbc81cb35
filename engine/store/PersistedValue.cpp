#include "store/PersistedValue.hpp"

#include <cmath>
#include <vector>

#include "rules/Json.hpp"

namespace pellox {

namespace {

bool allNumbersFinite(const Json& root) {
    // Iterative so a deeply nested state cannot exhaust the stack.
    std::vector<const Json*> pending{&root};
    while (!pending.empty()) {
        const Json* j = pending.back();
        pending.pop_back();
        if (j->is_number_float()) {
            if (!std::isfinite(j->get<double>())) return false;
        } else if (j->is_structured()) {
            for (const auto& child : *j)
                pending.push_back(&child);
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> persistence::encode(const Json& document) {
    if (!allNumbersFinite(document)) return std::nullopt;
    try {
        return document.dump();
    } catch (const Json::exception&) {
        return std::nullopt;  // invalid UTF-8 in a string
    }
}

std::optional<Json> persistence::decode(const std::string& text) {
    Json document = Json::parse(text, nullptr, false);
    if (document.is_discarded()) return std::nullopt;
    return document;
}

}  // namespace pellox
