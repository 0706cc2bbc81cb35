#include "shell/RootNavigation.hpp"

#include <algorithm>

#include "store/HandRecord.hpp"

namespace pellox::app {

void RootNavigation::select(std::optional<Section> section) {
    if (section == section_) return;
    section_ = section;
    // History keeps only its own pages, the replays opened from it; every other pushed page goes.
    std::erase_if(path_, [&](const Route& route) {
        return section != Section::history || route.kind != Route::Kind::handReplay;
    });
}

void RootNavigation::request(Section section) {
    select(section);
    path_.clear();
}

void RootNavigation::push(Route route) {
    path_.push_back(std::move(route));
}

void RootNavigation::pop() {
    if (!path_.empty()) path_.pop_back();
}

void RootNavigation::setPlaying(bool playing) {
    isPlaying_ = playing;
}

void RootNavigation::resume() {
    isPlaying_ = true;
    select(Section::table);
}

Screen RootNavigation::rootScreen() const {
    switch (section_.value_or(Section::table)) {
        case Section::table:
            return isPlaying_ ? Screen::table : Screen::home;
        case Section::stats:
            return Screen::stats;
        case Section::history:
            return Screen::history;
        case Section::ranges:
            return Screen::ranges;
        case Section::settings:
            return Screen::settings;
    }
    return Screen::home;
}

Destination RootNavigation::destination(const Route& route, const std::vector<HandRecord>& handHistory) {
    switch (route.kind) {
        case Route::Kind::stats:
            return {Screen::stats};
        case Route::Kind::history:
            return {Screen::history};
        case Route::Kind::settings:
            return {Screen::settings};
        case Route::Kind::ranges:
            return {Screen::ranges};
        case Route::Kind::handReplay:
            break;
    }
    auto found = std::find_if(handHistory.begin(), handHistory.end(),
                              [&](const HandRecord& r) { return r.id == route.recordID; });
    if (found == handHistory.end()) return {Screen::missingRecord};
    return {Screen::handReplay, &*found};
}

std::string navigationTitle(Screen screen, const HandRecord* record) {
    switch (screen) {
        case Screen::home:
        case Screen::table:
            return {};
        case Screen::stats:
            return "Stats";
        case Screen::history:
            return "History";
        case Screen::ranges:
            return "Preflop Ranges";
        case Screen::settings:
            return "Settings";
        case Screen::handReplay:
            return record ? "Hand " + std::to_string(record->handNumber) : "Replay";
        case Screen::missingRecord:
            return "Replay";
    }
    return {};
}

std::string pageName(Screen screen, const HandRecord* record) {
    switch (screen) {
        case Screen::home:
            return "Pellox Poker";
        case Screen::table:
            return std::string(title(Section::table));
        default:
            return navigationTitle(screen, record);
    }
}

}  // namespace pellox::app
