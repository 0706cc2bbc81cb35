#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "rules/Json.hpp"
#include "store/HandRecordText.hpp"
#include "store/InMemoryStore.hpp"
#include "store/PersistedValue.hpp"
#include "store/SampleHands.hpp"
#include "store/StatsStore.hpp"

namespace pellox {
namespace {

Json written(const HandRecord& r) {
    std::string text;
    EXPECT_TRUE(appendJson(text, r));
    return Json::parse(text);
}

// Equal values of the same JSON kinds: the library's own equality takes 5 and 5.0 for equal, but a float
// where an integer is stored makes the whole document unreadable.
bool sameJson(const Json& a, const Json& b) {
    if (a.is_number_float() || b.is_number_float()) {
        if (!a.is_number_float() || !b.is_number_float()) return false;
        const double x = a.get<double>(), y = b.get<double>();
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    if (a.is_number_integer() || b.is_number_integer())
        return a.is_number_integer() && b.is_number_integer() && a == b;
    if (a.type() != b.type() || a.size() != b.size()) return false;
    if (a.is_object()) {
        for (auto it = a.begin(); it != a.end(); ++it)
            if (!b.contains(it.key()) || !sameJson(it.value(), b.at(it.key()))) return false;
        return true;
    }
    if (a.is_array()) {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (!sameJson(a[i], b[i])) return false;
        return true;
    }
    return a == b;
}

// What the tree path makes of the record: its text, or none when it refuses it.
std::optional<Json> treeForm(const HandRecord& r) {
    auto text = persistence::encode(Json(r));
    if (!text) return std::nullopt;
    return Json::parse(*text);
}

// The writer accepts exactly what the tree path accepts, and writes the same values of the same kinds.
void expectSameAsTree(const HandRecord& r) {
    std::string text;
    const bool ok = appendJson(text, r);
    const auto tree = treeForm(r);
    ASSERT_EQ(ok, tree.has_value());
    if (ok) {
        ASSERT_TRUE(sameJson(Json::parse(text), *tree)) << text;
    }
}

HandRecord smallRecord() {
    HandRecord r;
    r.id = "1-1";
    r.seats = {{"human", "You", 0, 100}};
    r.events = {EngineEvent::ShowdownRevealed{"human", {}, "Pair"}};
    r.winners = {{"human", 10, "Pair"}};
    r.grades = {GradedDecision{}};
    return r;
}

TEST(HandRecordTextTests, WritesTheSameJsonAsTheTree) {
    SeededRNG rng(11);
    for (int hand = 1; hand <= 20; ++hand) {
        const auto r = samples::realisticHand(hand, rng);
        expectSameAsTree(r);
    }
}

TEST(HandRecordTextTests, AcceptsAndRefusesTheSameStringsAsTheTree) {
    // Single bytes at the edges of every UTF-8 range, escapes and control characters, the well-formed
    // sequences at those edges and the ill-formed ones just past them (overlong, surrogate, beyond U+10FFFF,
    // cut short), strung together at random.
    // clang-format off
    static const std::string pieces[] = {
        std::string(1, '\0'), "\x01", "\x1f", "\"", "\\", "/", "a", "\x7f", "\x80", "\xbf", "\xc0", "\xc1",
        "\xc2", "\xdf", "\xe0", "\xed", "\xef", "\xf0", "\xf4", "\xf5", "\xff", "\xc2\x80", "\xdf\xbf",
        "\xe0\xa0\x80", "\xe1\x80\x80", "\xed\x9f\xbf", "\xee\x80\x80", "\xef\xbf\xbf", "\xf0\x90\x80\x80",
        "\xf3\xbf\xbf\xbf", "\xf4\x8f\xbf\xbf", "\xc1\xbf", "\xe0\x9f\xbf", "\xed\xa0\x80", "\xf0\x8f\xbf\xbf",
        "\xf4\x90\x80\x80", "\xe1\x80", "\xf1\x80\x80"};
    // clang-format on
    SeededRNG rng(21);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 1000; ++i) {
        std::string s;
        for (auto n = static_cast<int>(rng.next() * 5); n > 0; --n)
            s += pieces[static_cast<std::size_t>(rng.next() * std::size(pieces))];
        auto r = smallRecord();
        switch (i % 4) {
            case 0:
                r.seats[0].name = s;
                break;
            case 1:
                r.grades[0].explanation = s;
                break;
            case 2:
                std::get<EngineEvent::ShowdownRevealed>(r.events[0].value).handDescription = s;
                break;
            default:
                r.winners[0].handDescription = s;
        }
        std::string text;
        (appendJson(text, r) ? accepted : refused)++;
        expectSameAsTree(r);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(accepted, 200);
    EXPECT_GT(refused, 200);
}

TEST(HandRecordTextTests, WritesTheSameNumbersAsTheTree) {
    SeededRNG rng(31);
    const auto randomDouble = [&] {
        std::uint64_t bits = std::uint64_t{rng.nextUInt32()} << 32 | rng.nextUInt32();
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    };
    for (int i = 0; i < 400; ++i) {
        auto r = smallRecord();
        r.grades[0].equity =
            i % 2 == 0 ? randomDouble() : std::ldexp(rng.next(), -static_cast<int>(rng.next() * 40));
        r.grades[0].requiredEquity = randomDouble();
        r.timestamp =
            referenceDate + std::chrono::nanoseconds(static_cast<std::int64_t>((rng.next() - 0.5) * 1.6e19));
        expectSameAsTree(r);
        if (HasFatalFailure()) return;
    }
    for (double bad : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        auto r = smallRecord();
        r.grades[0].requiredEquity = bad;
        expectSameAsTree(r);
    }
}

TEST(HandRecordTextTests, StatisticsDocumentIsTheEnvelopeOfItsState) {
    SeededRNG rng(41);
    StatsStore stats;
    auto store = std::make_shared<InMemoryStore>();
    stats.load(store);
    for (int hand = 1; hand <= 5; ++hand) {
        const auto r = samples::realisticHand(hand, rng);
        stats.record(samples::outcomeOf(r), r);
    }
    const auto expected = StatsStore::persisted.encode({stats.stats(), stats.handHistory()});
    ASSERT_TRUE(expected);
    EXPECT_TRUE(sameJson(Json::parse(store->storage.at(StatsStore::persisted.key)), Json::parse(*expected)));
}

TEST(HandRecordTextTests, EveryEventCaseOptionalFieldAndAwkwardText) {
    SeededRNG rng(3);
    auto r = samples::realisticHand(1, rng);
    r.events.emplace_back(EngineEvent::PlayerEliminated{"bot-4"});
    r.events.emplace_back(EngineEvent::BlindPosted{"bot-5", BlindKind::ante, 25});
    r.events.emplace_back(EngineEvent::ActionTaken{
        "human", {PlayerActionType::allIn, std::nullopt}, PlayerActionType::call, 315});
    r.winners.push_back({"bot-2", -7, std::nullopt});
    r.seats[1].name = "Quote \" back\\slash \n tab\t bell\x07 \u00e9\u20ac\U0001F0A1";
    r.seats[2].name = std::string("\b\f\r\x1f") + '\0';
    r.grades[0].equity.reset();
    r.grades[0].advisedAmount = 0;
    r.grades[1].equity = 1e-7;
    r.grades[1].requiredEquity = 1.0;
    r.id = "";
    r.seed = INT32_MIN;
    r.humanNet = INT64_MIN;
    r.timestamp = referenceDate - std::chrono::milliseconds(1500);
    const auto j = written(r);
    EXPECT_EQ(j, Json(r));
    EXPECT_TRUE(j.at("grades")[1].at("requiredEquity").is_number_float());
    EXPECT_EQ(j.get<HandRecord>(), r);
}

TEST(HandRecordTextTests, RefusesWhatCannotBeEncoded) {
    SeededRNG rng(5);
    const auto good = samples::realisticHand(1, rng);
    for (const char* bad :
         {"\xff", "\xc3\x28", "\xe0\x80\x80", "\xed\xa0\x80", "\xf4\x90\x80\x80", "ab\xe2\x82"}) {
        auto r = good;
        r.seats[2].name = bad;
        std::string text;
        EXPECT_FALSE(appendJson(text, r)) << bad;
    }
    auto r = good;
    r.grades[0].equity = std::nan("");
    std::string text;
    EXPECT_FALSE(appendJson(text, r));
}

}  // namespace
}  // namespace pellox
