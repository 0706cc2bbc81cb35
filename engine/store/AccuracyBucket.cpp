#include "store/AccuracyBucket.hpp"

#include "rules/Json.hpp"

namespace pellox {

void to_json(Json& j, const AccuracyBucket& b) {
    j = Json{{"graded", b.graded}, {"agreed", b.agreed}};
}

void from_json(const Json& j, AccuracyBucket& b) {
    b.graded = json::read<std::int64_t>(j, "graded");
    b.agreed = json::read<std::int64_t>(j, "agreed");
}

}  // namespace pellox
