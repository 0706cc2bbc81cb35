#pragma once
// Where the main window is: the sidebar's section, the pushed routes and whether the Table section plays.
// The root view asks it which screens to show and rebuilds only what changed.
#include <optional>
#include <string>
#include <vector>

#include "shell/Route.hpp"
#include "shell/Section.hpp"

namespace pellox {
struct HandRecord;
}

namespace pellox::app {

// A screen of the detail column, at the root of the stack or pushed onto it.
enum class Screen { home, table, stats, history, ranges, settings, handReplay, missingRecord };

// A pushed route resolved against the hand history; record is set only for handReplay.
struct Destination {
    Screen screen = Screen::stats;
    const HandRecord* record = nullptr;
};

class RootNavigation {
  public:
    const std::optional<Section>& section() const noexcept { return section_; }
    const std::vector<Route>& path() const noexcept { return path_; }
    bool isPlaying() const noexcept { return isPlaying_; }

    // A change of the selection (none included) pops to the root, except that a change to History keeps
    // the replays pushed (opened from a History page pushed elsewhere).
    void select(std::optional<Section> section);
    // The menu's request: that section, at its root.
    void request(Section section);
    void push(Route route);
    // Back: one page fewer; nothing at the root.
    void pop();
    // The Table section shows the table screen (a game started) or the home screen again (the game ended).
    void setPlaying(bool playing);
    // A restored game: the table screen in the Table section.
    void resume();

    // The root of the stack for the current selection; no selection shows the Table section.
    Screen rootScreen() const;
    // The first record of the history (newest first) with the route's id, or the missing-record page.
    static Destination destination(const Route& route, const std::vector<HandRecord>& handHistory);

  private:
    bool isPlaying_ = false;
    std::optional<Section> section_ = Section::table;
    std::vector<Route> path_;
};

// The title over a page of the stack; empty for the Table section, which has none.
std::string navigationTitle(Screen screen, const HandRecord* record = nullptr);
// What a screen reader calls the page: its title; the Table section's pages, which have none, are called by
// the home screen's heading and by the section.
std::string pageName(Screen screen, const HandRecord* record = nullptr);

}  // namespace pellox::app
