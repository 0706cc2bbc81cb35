#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "store/Observed.hpp"
#include "store/SessionTestValues.hpp"
#include "store/StatsStore.hpp"

namespace pellox {
namespace {

struct Model {
    Observers observers;
    Observed<int> count{observers, "count", 0};
    Observed<std::vector<int>> list{observers, "list", {}};
};

using test::Recorder;

TEST(ObservedTests, PlainSetNotifiesOnlyOnChange) {
    Model m;
    Recorder r;
    auto token = m.observers.subscribe(r.callback());
    m.count.set(0);
    EXPECT_TRUE(r.names.empty());
    m.count.set(3);
    m.count.set(3);
    EXPECT_EQ(r.names, std::vector<std::string>{"count"});
    EXPECT_EQ(m.count.get(), 3);
}

TEST(ObservedTests, InPlaceEditAlwaysNotifiesOnce) {
    Model m;
    Recorder r;
    auto token = m.observers.subscribe(r.callback());
    m.list.modify([](std::vector<int>&) {});
    m.list.modify([](std::vector<int>& v) {
        v.push_back(1);
        v.push_back(2);
    });
    EXPECT_EQ(r.names, (std::vector<std::string>{"list", "list"}));
    EXPECT_EQ(m.list.get(), (std::vector<int>{1, 2}));
}

TEST(ObservedTests, AssignmentAlwaysNotifies) {
    Model m;
    Recorder r;
    auto token = m.observers.subscribe(r.callback());
    m.count.assign(0);
    m.count.assign(4);
    EXPECT_EQ(r.names, (std::vector<std::string>{"count", "count"}));
    EXPECT_EQ(m.count.get(), 4);
}

TEST(ObservedTests, PropertySubscribersHearOnlyTheirProperty) {
    Model m;
    Recorder countOnly, all;
    auto a = m.count.subscribe(countOnly.callback());
    auto b = m.observers.subscribe(all.callback());
    m.list.modify([](auto& v) { v.push_back(7); });
    m.count.set(1);
    EXPECT_EQ(countOnly.names, std::vector<std::string>{"count"});
    EXPECT_EQ(all.names, (std::vector<std::string>{"list", "count"}));
}

// A misspelt name would subscribe to nothing; it is refused instead.
TEST(ObservedTests, SubscribingByANameNoPropertyCarriesIsRefused) {
    Model m;
    Recorder r;
    EXPECT_THROW(auto token = m.observers.subscribe("cuont", r.callback()), std::invalid_argument);
    auto token = m.observers.subscribe("count", r.callback());
    m.count.set(5);
    EXPECT_EQ(r.names, std::vector<std::string>{"count"});

    StatsStore stats;
    EXPECT_THROW(auto t = stats.subscribe("history", r.callback()), std::invalid_argument);
}

TEST(ObservedTests, SubscriptionEndsWithItsToken) {
    Model m;
    Recorder r;
    {
        auto token = m.observers.subscribe(r.callback());
        EXPECT_TRUE(token.isActive());
        m.count.set(1);
        Subscription moved = std::move(token);
        EXPECT_TRUE(moved.isActive());
        EXPECT_FALSE(token.isActive());
        m.count.set(2);
    }
    m.count.set(3);
    EXPECT_EQ(r.names.size(), 2u);

    auto again = m.observers.subscribe(r.callback());
    again.reset();
    m.count.set(4);
    EXPECT_EQ(r.names.size(), 2u);
}

TEST(ObservedTests, ReassigningALiveTokenEndsItsOldSubscription) {
    Model m;
    Recorder first;
    Recorder second;
    auto token = m.observers.subscribe(first.callback());
    m.count.set(1);
    token = m.count.subscribe(second.callback());
    m.count.set(2);
    m.list.modify([](std::vector<int>& v) { v.push_back(1); });
    EXPECT_EQ(first.names, (std::vector<std::string>{"count"}));
    EXPECT_EQ(second.names, (std::vector<std::string>{"count"}));
    EXPECT_TRUE(token.isActive());

    // Assigning an ended token ends this one too, and a token moved onto itself keeps its subscription.
    auto& self = token;
    token = std::move(self);
    EXPECT_TRUE(token.isActive());
    token = Subscription{};
    m.count.set(3);
    EXPECT_EQ(second.names.size(), 1u);
}

TEST(ObservedTests, TokenMayOutliveTheObject) {
    Subscription token;
    {
        Model m;
        token = m.observers.subscribe([](std::string_view) {});
    }
    EXPECT_FALSE(token.isActive());
    token.reset();
}

TEST(ObservedTests, CallbacksMayUnsubscribeThemselvesAndOthersDuringNotification) {
    Model m;
    int firstCalls = 0, secondCalls = 0, lateCalls = 0;
    Subscription second, late;
    Subscription first = m.observers.subscribe([&](std::string_view) {
        ++firstCalls;
        first.reset();   // its own token
        second.reset();  // a later one: must not be called in this round
        late = m.observers.subscribe([&](std::string_view) { ++lateCalls; });
    });
    second = m.observers.subscribe([&](std::string_view) { ++secondCalls; });
    m.count.set(1);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 0);
    EXPECT_EQ(lateCalls, 0);  // subscribed during the round: heard from the next change on
    m.count.set(2);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(lateCalls, 1);
}

}  // namespace
}  // namespace pellox
