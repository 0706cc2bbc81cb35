#include "table/HandReportCardModel.hpp"

#include <fmt/format.h>

#include "kit/MoneyText.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {

namespace {

std::string magnitude(std::int64_t amount) {
    return magnitudeText(amount).toStdString();
}

std::string agreementText(std::int64_t agreed, std::int64_t count) {
    return fmt::format("{} of {} {} matched the guide", agreed, count, count == 1 ? "decision" : "decisions");
}

HandMisstep misstepOf(const GradedDecision& decision) {
    return {streetWord(decision.street) + ": you " + didWord(decision.resolvedType) + ", guide said " +
                guideWord(decision.advisedAction),
            decision.explanation};
}

}  // namespace

PaletteRole verdictTint(HandVerdict verdict) {
    switch (verdict) {
        case HandVerdict::clean:
            return PaletteRole::success;
        case HandVerdict::mixed:
            return PaletteRole::accent;
        case HandVerdict::off:
            return PaletteRole::danger;
        case HandVerdict::ungraded:
            return PaletteRole::textMuted;
    }
    return PaletteRole::textMuted;
}

std::string streetWord(Street street) {
    switch (street) {
        case Street::preflop:
            return "Preflop";
        case Street::flop:
            return "Flop";
        case Street::turn:
            return "Turn";
        case Street::river:
            return "River";
        case Street::showdown:
            return "Showdown";
    }
    return {};
}

std::string didWord(PlayerActionType type) {
    switch (type) {
        case PlayerActionType::fold:
            return "folded";
        case PlayerActionType::check:
            return "checked";
        case PlayerActionType::call:
            return "called";
        case PlayerActionType::bet:
            return "bet";
        case PlayerActionType::raise:
            return "raised";
        case PlayerActionType::allIn:
            return "went all in";
    }
    return {};
}

std::string guideWord(PlayerActionType type) {
    switch (type) {
        case PlayerActionType::fold:
            return "fold";
        case PlayerActionType::check:
            return "check";
        case PlayerActionType::call:
            return "call";
        case PlayerActionType::bet:
            return "bet";
        case PlayerActionType::raise:
            return "raise";
        case PlayerActionType::allIn:
            return "shove";
    }
    return {};
}

HandReportCardModel HandReportCardModel::make(const HandReport& report, bool guideEnabled,
                                              bool showsContinueHint) {
    HandReportCardModel model;
    model.resultLine = report.resultLine;
    model.netText = moneyText(report.netChips, MoneySign::awayFromZero).toStdString();
    model.netColor = netRole(report.netChips);
    model.netAccessibility = report.netChips < 0 ? "Lost " + magnitude(report.netChips) + " chips"
                                                 : "Won " + magnitude(report.netChips) + " chips";
    if (report.isWin()) {
        model.borderColor = PaletteRole::success;
        model.borderOpacity = 0.6;
    }
    if (report.accuracy) {
        model.gradeRow = HandGradeRow{letterGrade(*report.accuracy), verdictTint(report.verdict),
                                      agreementText(report.agreedCount, report.decisionCount())};
    } else if (guideEnabled) {
        model.ungradedText = "No decisions to grade this hand";
    }
    if (report.firstMisstep) model.misstep = misstepOf(*report.firstMisstep);
    if (showsContinueHint) model.continueHint = std::string("Click") + " anywhere for the next hand";
    return model;
}

}  // namespace pellox::app
