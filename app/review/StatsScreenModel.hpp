#pragma once
#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace pellox {
struct Leak;
struct TrainingStats;
}  // namespace pellox

namespace pellox::app {

struct Palette;

// "—" for none, otherwise the nearest whole percent with halves away from zero ("13%" for 0.125).
QString percentOrDash(std::optional<double> fraction);

// success from 0.75, accent from 0.5, danger below.
QColor accuracyColor(double accuracy, const Palette& palette);

// A street's or a position's name as the leak list shows it.
QString displayName(const Leak& leak);

// One line of the "BY STREET" or "BY POSITION" card.
struct BreakdownRow {
    QString label;
    std::int64_t graded = 0;
    std::int64_t agreed = 0;

    // None while nothing was graded.
    std::optional<double> accuracy() const;
    QString percentText() const;
    // "Flop: 67% of 12 decisions".
    QString accessibleText() const;
    // The coloured part of a bar this wide: none while nothing was graded, never thinner than a sliver.
    std::optional<double> fillWidth(double barWidth) const;

    friend bool operator==(const BreakdownRow&, const BreakdownRow&) = default;
};

struct CountTile {
    QString value;
    QString label;
    friend bool operator==(const CountTile&, const CountTile&) = default;
};

struct LeakRow {
    QString name;
    double accuracy = 0;
    QString percentText;
    QString gradedText;  // "of 24"
    friend bool operator==(const LeakRow&, const LeakRow&) = default;
};

struct NetChipsRow {
    QString mode;
    std::int64_t net = 0;

    // "+$1500", "-$200", "$0": digits without grouping.
    QString amountText() const;
    QColor color(const Palette& palette) const;
    friend bool operator==(const NetChipsRow&, const NetChipsRow&) = default;
};

// Everything the statistics screen shows, read from the lifetime statistics.
struct StatsScreenModel {
    bool empty = true;  // nothing graded yet
    std::optional<double> lifetimeAccuracy;
    QString accuracyText;
    std::optional<QString> letterGrade;
    bool showsChart = false;
    std::vector<CountTile> countTiles;
    std::vector<BreakdownRow> streetRows;
    std::vector<BreakdownRow> positionRows;
    std::vector<LeakRow> leakRows;  // the weakest few
    std::vector<NetChipsRow> netChipsRows;

    explicit StatsScreenModel(const TrainingStats& stats);

    // Shown instead of leak rows while no street or position has enough graded decisions.
    static QString noLeaksText();
};

}  // namespace pellox::app
