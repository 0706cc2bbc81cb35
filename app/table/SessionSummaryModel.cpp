#include "table/SessionSummaryModel.hpp"

#include <cmath>

#include <fmt/format.h>
#include <QLocale>

#include "kit/MoneyText.hpp"
#include "rules/GameMode.hpp"
#include "session/SessionSummary.hpp"
#include "store/GuideMode.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {

namespace {

std::string streetName(StreetKey street) {
    switch (street) {
        case StreetKey::preflop:
            return "Preflop";
        case StreetKey::flop:
            return "Flop";
        case StreetKey::turn:
            return "Turn";
        case StreetKey::river:
            return "River";
    }
    return {};
}

SummaryAccuracy accuracyOf(const SessionSummary& summary, double accuracy) {
    SummaryAccuracy out;
    out.grade = letterGrade(accuracy);
    out.percent = wholePercent(accuracy);
    out.color = accuracyColor(accuracy);
    out.matchedText = fmt::format("{}% matched the guide", out.percent);
    out.decisionsText = fmt::format("{} of {} decisions", summary.decisionsAgreed, summary.decisionsGraded);
    return out;
}

}  // namespace

std::int64_t wholePercent(double fraction) {
    return static_cast<std::int64_t>(std::round(fraction * 100));
}

PaletteRole accuracyColor(double accuracy) {
    if (accuracy >= 0.85) return PaletteRole::success;
    if (accuracy >= 0.70) return PaletteRole::accent;
    return PaletteRole::danger;
}

std::string noGradesHint(GuideMode guide) {
    return guide == GuideMode::off ? "Turn the guide on to have your play graded."
                                   : "No decision came up for the guide to grade.";
}

std::string weakestStreetLine(const StreetAccuracy& street) {
    return fmt::format("{}: {}% across {} decisions", streetName(street.street),
                       wholePercent(street.accuracy), street.graded);
}

SessionSummaryModel SessionSummaryModel::make(const SessionSummary& summary, GameMode mode, GuideMode guide,
                                              const QLocale& locale) {
    SessionSummaryModel model;
    model.modeText = mode == GameMode::tournament ? "Tournament" : "Cash game";
    if (auto accuracy = summary.accuracy())
        model.accuracy = accuracyOf(summary, *accuracy);
    else
        model.noGradesHint = app::noGradesHint(guide);
    model.handsValue = fmt::format("{}", summary.handsPlayed);
    model.handsCaption = summary.handsPlayed == 1 ? "Hand played" : "Hands played";
    model.netText = moneyText(summary.netChips, MoneySign::awayFromZero, &locale).toStdString();
    model.netColor = netRole(summary.netChips, PaletteRole::text);
    if (auto weakest = summary.weakestStreet()) model.weakestStreetLine = app::weakestStreetLine(*weakest);
    return model;
}

}  // namespace pellox::app
