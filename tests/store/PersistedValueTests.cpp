#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "rules/Json.hpp"
#include "store/AccuracyBucket.hpp"
#include "store/InMemoryStore.hpp"
#include "store/PersistedValue.hpp"
#include "store/PersistedValueJson.hpp"
#include "store/StoredDate.hpp"
#include "store/StreetKey.hpp"

namespace pellox {
namespace {

struct Sample {
    std::string name;
    double ratio = 0;
    std::map<StreetKey, AccuracyBucket> byStreet;
    friend bool operator==(const Sample&, const Sample&) = default;
};

void to_json(Json& j, const Sample& s) {
    j = Json{{"name", s.name}, {"ratio", s.ratio}, {"byStreet", json::encodeEnumMap(s.byStreet)}};
}

void from_json(const Json& j, Sample& s) {
    s.name = json::read<std::string>(j, "name");
    s.ratio = json::read<double>(j, "ratio");
    s.byStreet = json::decodeEnumMap<StreetKey, AccuracyBucket>(json::member(j, "byStreet"));
}

const PersistedValue<Sample> v1{"sample", 1};
const PersistedValue<Sample> v3{"sample", 3};

Sample sample() {
    return {"one", 0.25, {{StreetKey::river, {4, 3}}, {StreetKey::preflop, {2, 0}}}};
}

TEST(PersistedValueTests, NeverWrittenKeyLoadsAsAbsent) {
    InMemoryStore store;
    EXPECT_FALSE(v1.load(store));
}

TEST(PersistedValueTests, RoundTripKeepsEveryFieldIncludingEnumKeyedPairs) {
    InMemoryStore store;
    v1.save(sample(), store);
    EXPECT_EQ(v1.load(store), sample());
    const auto document = Json::parse(store.storage.at("sample"));
    EXPECT_EQ(document.at("version"), 1);
    EXPECT_TRUE(document.at("state").at("byStreet").is_array());
    EXPECT_EQ(document.at("state").at("byStreet").size(), 4u);
    EXPECT_EQ(store.storage.at("sample").find('\n'), std::string::npos);  // compact
}

TEST(PersistedValueTests, PairsInAnyOrderAndRepeatedKeysKeepTheLast) {
    InMemoryStore store;
    store.set(R"({"state":{"extra":[1],"byStreet":["flop",{"graded":1,"agreed":1},"river",{"agreed":0,)"
              R"("graded":2},"flop",{"graded":5,"agreed":4}],"ratio":1,"name":"x"},"version":1})",
              "sample");
    auto loaded = v1.load(store);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->ratio, 1.0);
    EXPECT_EQ(loaded->byStreet.at(StreetKey::flop), (AccuracyBucket{5, 4}));
    EXPECT_EQ(loaded->byStreet.at(StreetKey::river), (AccuracyBucket{2, 0}));
}

TEST(PersistedValueTests, UnreadableDocumentsAreAbsentAndStayStored) {
    const std::string texts[] = {
        "not json",
        "",
        R"({"state":{"name":"x","ratio":0,"byStreet":[]}})",                // no version
        R"({"version":1})",                                                 // no state
        R"({"version":1.0,"state":{"name":"x","ratio":0,"byStreet":[]}})",  // float version
        R"({"version":"1","state":{"name":"x","ratio":0,"byStreet":[]}})",  // string version
        R"({"version":1,"state":{"name":"x","ratio":0,"byStreet":["flop",{"graded":1,"agreed":0},"turn"]}})",
        R"({"version":1,"state":{"name":"x","ratio":0,"byStreet":["showdown",{"graded":1,"agreed":0}]}})",
        R"({"version":1,"state":{"name":"x","ratio":0,"byStreet":["flop",{"graded":1.5,"agreed":0}]}})",
        R"({"version":1,"state":{"name":"x","ratio":true,"byStreet":[]}})",
        R"({"version":1,"state":{"name":"x","ratio":1e999,"byStreet":[]}})",
        R"([1,2,3])",
        "{\"version\":1,\"state\":{\"name\":\"\xff\",\"ratio\":0,\"byStreet\":[]}}",  // invalid UTF-8
    };
    for (const auto& text : texts) {
        InMemoryStore store;
        store.set(text, "sample");
        EXPECT_FALSE(v1.load(store)) << text;
        EXPECT_EQ(store.storage.at("sample"), text);
        EXPECT_EQ(store.storage.size(), 1u);
    }
}

TEST(PersistedValueTests, AnotherVersionLoadsAsAbsentBothWays) {
    InMemoryStore store;
    v1.save(sample(), store);
    EXPECT_FALSE(v3.load(store));
    v3.save(sample(), store);
    EXPECT_FALSE(v1.load(store));
    EXPECT_TRUE(v3.load(store));
}

TEST(PersistedValueTests, UnencodableStateWritesNothingAndKeepsThePreviousDocument) {
    InMemoryStore store;
    v1.save(sample(), store);
    const auto before = store.storage.at("sample");
    for (double bad :
         {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        auto s = sample();
        s.ratio = bad;
        EXPECT_FALSE(v1.encode(s));
        v1.save(s, store);
        EXPECT_EQ(store.storage.at("sample"), before);
    }
    auto s = sample();
    s.name = "bad \xc3\x28 text";
    EXPECT_FALSE(v1.encode(s));
    v1.save(s, store);
    EXPECT_EQ(store.storage.at("sample"), before);

    InMemoryStore empty;
    v1.save(s, empty);
    EXPECT_TRUE(empty.storage.empty());
}

TEST(PersistedValueTests, UnreadableDocumentIsKeptOnceBeforeTheFirstSave) {
    InMemoryStore store;
    store.set(R"({"version":2,"state":"from a newer build"})", "sample");
    std::optional<std::string> unreadable;
    EXPECT_FALSE(v1.load(store, unreadable));

    auto bad = sample();
    bad.ratio = std::nan("");
    v1.save(bad, store, unreadable);  // nothing written, backup still pending
    EXPECT_FALSE(store.string("sample.unreadable"));
    ASSERT_TRUE(unreadable);

    v1.save(sample(), store, unreadable);
    EXPECT_EQ(store.storage.at("sample.unreadable"), R"({"version":2,"state":"from a newer build"})");
    EXPECT_EQ(v1.load(store), sample());
    EXPECT_FALSE(unreadable);

    store.set("changed later", "sample.unreadable");
    v1.save(sample(), store, unreadable);
    EXPECT_EQ(store.storage.at("sample.unreadable"), "changed later");  // only once
    EXPECT_EQ(store.storage.size(), 2u);
}

// A document damaged again is kept beside the copy of the first damage, never over it.
TEST(PersistedValueTests, EachDamagedDocumentIsKeptUnderAFreshName) {
    InMemoryStore store;
    const std::vector<std::string> damages{"{first damage", "{second damage", "{third damage"};
    for (const std::string& damaged : damages) {
        store.set(damaged, "sample");
        std::optional<std::string> unreadable;
        EXPECT_FALSE(v1.load(store, unreadable));
        v1.save(sample(), store, unreadable);
    }
    EXPECT_EQ(store.storage.at("sample.unreadable"), damages[0]);
    EXPECT_EQ(store.storage.at("sample.unreadable-2"), damages[1]);
    EXPECT_EQ(store.storage.at("sample.unreadable-3"), damages[2]);
    EXPECT_EQ(v1.load(store), sample());
}

TEST(PersistedValueTests, RefusedStateLoadsAsAbsentAndIsKeptAsUnreadable) {
    InMemoryStore store;
    v1.save(sample(), store);
    const auto text = store.storage.at("sample");
    const auto refuseAll = [](const Sample&) { return false; };
    const auto acceptAll = [](const Sample&) { return true; };

    std::optional<std::string> unreadable = "stale";
    EXPECT_FALSE(v1.load(store, unreadable, refuseAll));
    EXPECT_EQ(unreadable, text);

    EXPECT_EQ(v1.load(store, unreadable, acceptAll), sample());
    EXPECT_FALSE(unreadable);

    // Only a decoded state is offered for acceptance.
    int offered = 0;
    store.set("not json", "sample");
    EXPECT_FALSE(v1.load(store, unreadable, [&](const Sample&) { return ++offered > 0; }));
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(unreadable, "not json");

    store.remove("sample");
    EXPECT_FALSE(v1.load(store, unreadable, acceptAll));
    EXPECT_FALSE(unreadable);
    EXPECT_TRUE(store.storage.empty());
}

TEST(PersistedValueTests, InMemoryStoreOperations) {
    InMemoryStore store;
    store.remove("absent");
    EXPECT_TRUE(store.storage.empty());
    store.set("a", "k");
    store.set("b", "k");
    EXPECT_EQ(store.string("k"), "b");
    store.remove("k");
    EXPECT_FALSE(store.string("k"));
}

TEST(StoredDateTests, SecondsSince2001) {
    using namespace std::chrono;
    EXPECT_EQ(secondsSinceReferenceDate(referenceDate), 0.0);
    const Date y2024 = sys_days{year{2024} / 1 / 1} + hours{12};
    const double sinceReference = secondsSinceReferenceDate(y2024);
    EXPECT_EQ(sinceReference, 725'803'200.0);
    EXPECT_EQ(json::asDate(json::encodeDate(y2024)), y2024);
    EXPECT_EQ(json::asDate(Json(-0.5)), referenceDate - milliseconds{500});
    EXPECT_EQ(json::asDate(Json(10)), referenceDate + seconds{10});
    EXPECT_THROW(json::asDate(Json(1e300)), Json::exception);
    EXPECT_THROW(json::asDate(Json(-1e12)), Json::exception);
    EXPECT_THROW(json::asDate(Json("725889600")), Json::exception);
}

}  // namespace
}  // namespace pellox
