#include "review/StatsScreenModel.hpp"

#include <algorithm>
#include <cmath>

#include "kit/MoneyText.hpp"
#include "store/TrainingStats.hpp"
#include "strategy/StrategyAdvisor.hpp"
#include "theme/Palette.hpp"
#include "theme/PaletteRole.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {

namespace {

constexpr double successFrom = 0.75;
constexpr double accentFrom = 0.5;
constexpr std::size_t shownLeakLimit = 3;
constexpr double barSliver = 2;  // the narrowest fill of a bar with graded decisions

// The first letter of each word upper case and the rest lower case ("preflop" reads "Preflop").
QString capitalized(QString text) {
    bool wordStart = true;
    for (QChar& c : text) {
        c = wordStart ? c.toUpper() : c.toLower();
        wordStart = c.isSpace();
    }
    return text;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text);
}

QString plainInteger(std::int64_t n) {
    return QString::number(static_cast<qlonglong>(n));
}

std::vector<BreakdownRow> streetRowsOf(const TrainingStats& s) {
    std::vector<BreakdownRow> rows;
    for (auto street : allCases<StreetKey>()) {
        auto it = s.byStreet.find(street);
        if (it == s.byStreet.end()) continue;
        rows.push_back({capitalized(fromView(rawValue(street))), it->second.graded, it->second.agreed});
    }
    return rows;
}

std::vector<BreakdownRow> positionRowsOf(const TrainingStats& s) {
    std::vector<BreakdownRow> rows;
    for (auto position : allCases<Position>()) {
        auto it = s.byPosition.find(position);
        if (it == s.byPosition.end() || it->second.graded <= 0) continue;
        rows.push_back({fromView(displayName(position)), it->second.graded, it->second.agreed});
    }
    return rows;
}

std::vector<LeakRow> leakRowsOf(const TrainingStats& s) {
    const auto leaks = s.leaks();
    std::vector<LeakRow> rows;
    const auto shown = std::min(leaks.size(), shownLeakLimit);
    for (std::size_t i = 0; i < shown; ++i) {
        const Leak& leak = leaks[i];
        rows.push_back({displayName(leak), leak.accuracy, percentOrDash(leak.accuracy),
                        QStringLiteral("of ") + plainInteger(leak.graded)});
    }
    return rows;
}

std::vector<NetChipsRow> netChipsRowsOf(const TrainingStats& s) {
    std::vector<NetChipsRow> rows;
    for (auto mode : allCases<GameMode>()) {
        auto it = s.netChipsByMode.find(mode);
        const std::int64_t net = it == s.netChipsByMode.end() ? 0 : it->second;
        rows.push_back(
            {mode == GameMode::cash ? QStringLiteral("Cash game") : QStringLiteral("Tournament"), net});
    }
    return rows;
}

}  // namespace

QString percentOrDash(std::optional<double> fraction) {
    if (!fraction) return QStringLiteral("\u2014");
    return QString::fromStdString(StrategyAdvisor::percentText(*fraction));
}

QColor accuracyColor(double accuracy, const Palette& palette) {
    if (accuracy >= successFrom) return palette.success;
    if (accuracy >= accentFrom) return palette.accent;
    return palette.danger;
}

QString displayName(const Leak& leak) {
    const QString key = QString::fromStdString(leak.key);
    if (leak.kind == Leak::Kind::street) return capitalized(key);
    if (auto position = parse<Position>(leak.key)) return fromView(displayName(*position));
    return key.toUpper();
}

std::optional<double> BreakdownRow::accuracy() const {
    return AccuracyBucket{graded, agreed}.accuracy();
}

QString BreakdownRow::percentText() const {
    return percentOrDash(accuracy());
}

QString BreakdownRow::accessibleText() const {
    return label + QStringLiteral(": ") + percentText() + QStringLiteral(" of ") + plainInteger(graded) +
           QStringLiteral(" decisions");
}

std::optional<double> BreakdownRow::fillWidth(double barWidth) const {
    const auto fraction = accuracy();
    if (!fraction) return std::nullopt;
    return std::max(barWidth * *fraction, barSliver);
}

QString NetChipsRow::amountText() const {
    return moneyText(net, MoneySign::awayFromZero);
}

QColor NetChipsRow::color(const Palette& palette) const {
    return app::color(netRole(net), palette);
}

StatsScreenModel::StatsScreenModel(const TrainingStats& s)
    : empty(s.decisionsGraded == 0),
      lifetimeAccuracy(s.overallAccuracy()),
      accuracyText(percentOrDash(lifetimeAccuracy)),
      showsChart(s.recentHandAccuracy.size() >= 2),
      countTiles{{plainInteger(s.handsPlayed), QStringLiteral("hands")},
                 {plainInteger(s.decisionsGraded), QStringLiteral("decisions")},
                 {plainInteger(s.sessions), QStringLiteral("sessions")}},
      streetRows(streetRowsOf(s)),
      positionRows(positionRowsOf(s)),
      leakRows(leakRowsOf(s)),
      netChipsRows(netChipsRowsOf(s)) {
    if (s.decisionsGraded > 0 && lifetimeAccuracy)
        letterGrade = QString::fromStdString(pellox::letterGrade(*lifetimeAccuracy));
}

QString StatsScreenModel::noLeaksText() {
    return QStringLiteral("Nothing has ") + plainInteger(TrainingStats::leakThreshold) +
           QStringLiteral(" graded decisions yet. Below that, an ") +
           QStringLiteral("accuracy number is mostly noise.");
}

}  // namespace pellox::app
