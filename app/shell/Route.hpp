#pragma once
#include <string>

namespace pellox::app {

// A screen pushed onto the main window's navigation stack.
struct Route {
    enum class Kind { stats, history, handReplay, settings, ranges };

    Kind kind = Kind::stats;
    std::string recordID;  // read only for handReplay

    static Route stats() { return {Kind::stats, {}}; }
    static Route history() { return {Kind::history, {}}; }
    static Route handReplay(std::string recordID) { return {Kind::handReplay, std::move(recordID)}; }
    static Route settings() { return {Kind::settings, {}}; }
    static Route ranges() { return {Kind::ranges, {}}; }

    friend bool operator==(const Route& a, const Route& b) {
        return a.kind == b.kind && (a.kind != Kind::handReplay || a.recordID == b.recordID);
    }
};

}  // namespace pellox::app
