#include <gtest/gtest.h>

#include "rules/SeededRNG.hpp"
#include "shell/RootNavigation.hpp"
#include "store/HandRecord.hpp"
#include "store/SampleHands.hpp"

namespace pellox::app {
namespace {

TEST(Section, SidebarOrderTitlesAndSymbols) {
    std::vector<std::string_view> titles, symbols;
    for (Section s : allSections) {
        titles.push_back(title(s));
        symbols.push_back(symbolName(s));
    }
    EXPECT_EQ(titles, (std::vector<std::string_view>{"Table", "Stats", "History", "Ranges", "Settings"}));
    EXPECT_EQ(symbols, (std::vector<std::string_view>{"suit.spade.fill", "chart.line.uptrend.xyaxis",
                                                      "clock.arrow.circlepath", "square.grid.3x3.fill",
                                                      "gearshape.fill"}));
}

TEST(Route, EqualByCaseAndRecordId) {
    EXPECT_EQ(Route::handReplay("a"), Route::handReplay("a"));
    EXPECT_NE(Route::handReplay("a"), Route::handReplay("b"));
    EXPECT_NE(Route::stats(), Route::history());
    EXPECT_EQ((Route{Route::Kind::stats, "ignored"}), Route::stats());
}

TEST(RootNavigation, StartsOnTheHomeScreenOfTheTableSection) {
    RootNavigation nav;
    EXPECT_EQ(nav.section(), Section::table);
    EXPECT_TRUE(nav.path().empty());
    EXPECT_FALSE(nav.isPlaying());
    EXPECT_EQ(nav.rootScreen(), Screen::home);
}

TEST(RootNavigation, RootScreenFollowsSectionAndPlaying) {
    RootNavigation nav;
    nav.setPlaying(true);
    EXPECT_EQ(nav.rootScreen(), Screen::table);
    nav.select(std::nullopt);
    EXPECT_EQ(nav.rootScreen(), Screen::table) << "no selection shows the Table section";
    const std::pair<Section, Screen> expected[] = {{Section::stats, Screen::stats},
                                                   {Section::history, Screen::history},
                                                   {Section::ranges, Screen::ranges},
                                                   {Section::settings, Screen::settings}};
    for (auto [section, screen] : expected) {
        nav.select(section);
        EXPECT_EQ(nav.rootScreen(), screen);
    }
    nav.select(Section::table);
    nav.setPlaying(false);
    EXPECT_EQ(nav.rootScreen(), Screen::home);
}

TEST(RootNavigation, HistoryKeepsAPushedReplayEveryOtherPageGoes) {
    RootNavigation nav;
    nav.push(Route::settings());
    nav.select(Section::history);
    EXPECT_TRUE(nav.path().empty()) << "History shows History, not another section's page";
    nav.select(Section::table);
    nav.push(Route::history());
    nav.push(Route::handReplay("x"));
    nav.push(Route::stats());
    nav.select(Section::history);
    EXPECT_EQ(nav.path(), std::vector<Route>{Route::handReplay("x")});
    for (std::optional<Section> s : {std::optional{Section::stats}, std::optional<Section>{}}) {
        nav.select(Section::history);
        nav.push(Route::stats());
        nav.select(s);
        EXPECT_TRUE(nav.path().empty());
    }
}

TEST(RootNavigation, SelectingTheSelectedSectionIsNoChange) {
    RootNavigation nav;
    nav.push(Route::stats());
    nav.select(Section::table);
    EXPECT_EQ(nav.path().size(), 1u);
}

TEST(RootNavigation, ARequestSelectsTheSectionAtItsRootEvenForHistory) {
    RootNavigation nav;
    nav.push(Route::ranges());
    nav.request(Section::settings);
    EXPECT_EQ(nav.section(), Section::settings);
    EXPECT_TRUE(nav.path().empty());
    nav.request(Section::settings);
    EXPECT_EQ(nav.section(), Section::settings);
    nav.select(Section::history);
    nav.push(Route::stats());
    nav.request(Section::history);
    EXPECT_TRUE(nav.path().empty());
}

TEST(RootNavigation, ResumeShowsTheTableFromAnySection) {
    RootNavigation nav;
    nav.select(Section::stats);
    nav.resume();
    EXPECT_EQ(nav.section(), Section::table);
    EXPECT_EQ(nav.rootScreen(), Screen::table);
}

TEST(RootNavigation, BackPopsOnePageAndNothingAtTheRoot) {
    RootNavigation nav;
    nav.push(Route::stats());
    nav.push(Route::history());
    nav.pop();
    EXPECT_EQ(nav.path(), std::vector<Route>{Route::stats()});
    nav.pop();
    nav.pop();
    EXPECT_TRUE(nav.path().empty());
}

TEST(RootNavigation, DestinationsAndTheirTitles) {
    SeededRNG rng(5);
    std::vector<HandRecord> history{samples::realisticHand(12, rng), samples::realisticHand(11, rng)};
    const Destination found = RootNavigation::destination(Route::handReplay(history[1].id), history);
    EXPECT_EQ(found.screen, Screen::handReplay);
    EXPECT_EQ(found.record, &history[1]);
    EXPECT_EQ(navigationTitle(found.screen, found.record), "Hand 11");

    const Destination gone = RootNavigation::destination(Route::handReplay("no-such-hand"), history);
    EXPECT_EQ(gone.screen, Screen::missingRecord);
    EXPECT_EQ(gone.record, nullptr);
    EXPECT_EQ(navigationTitle(gone.screen), "Replay");

    EXPECT_EQ(RootNavigation::destination(Route::stats(), {}).screen, Screen::stats);
    EXPECT_EQ(RootNavigation::destination(Route::history(), {}).screen, Screen::history);
    EXPECT_EQ(RootNavigation::destination(Route::settings(), {}).screen, Screen::settings);
    EXPECT_EQ(RootNavigation::destination(Route::ranges(), {}).screen, Screen::ranges);
    EXPECT_EQ(navigationTitle(Screen::ranges), "Preflop Ranges");
    EXPECT_EQ(navigationTitle(Screen::home), "");
    EXPECT_EQ(pageName(Screen::home), "Pellox Poker");
    EXPECT_EQ(pageName(Screen::table), "Table");
    EXPECT_EQ(pageName(found.screen, found.record), "Hand 11");
}

TEST(RootNavigation, ReplayFindsTheNewestRecordWithTheId) {
    SeededRNG rng(9);
    HandRecord a = samples::realisticHand(3, rng);
    HandRecord b = samples::realisticHand(4, rng);
    b.id = a.id;
    std::vector<HandRecord> history{b, a};
    EXPECT_EQ(RootNavigation::destination(Route::handReplay(a.id), history).record, &history[0]);
}

}  // namespace
}  // namespace pellox::app
