#pragma once
// What the hand report card shows for one finished hand, decided apart from any drawing.
#include <cstdint>
#include <optional>
#include <string>

#include "theme/PaletteRole.hpp"

namespace pellox {
struct HandReport;
enum class HandVerdict;
enum class PlayerActionType;
enum class Street;
}  // namespace pellox

namespace pellox::app {

struct HandGradeRow {
    std::string letter;     // "A+" ... "F"
    PaletteRole tint;       // by the verdict
    std::string agreement;  // "2 of 3 decisions matched the guide"

    friend bool operator==(const HandGradeRow&, const HandGradeRow&) = default;
};

struct HandMisstep {
    std::string sentence;  // "Turn: you called, guide said raise"
    std::string explanation;

    friend bool operator==(const HandMisstep&, const HandMisstep&) = default;
};

struct HandReportCardModel {
    std::string resultLine;
    std::string netText;  // "+$120", "$0", "-$45"
    PaletteRole netColor = PaletteRole::textMuted;
    std::string netAccessibility;  // "Won 120 chips", "Lost 45 chips"
    PaletteRole borderColor = PaletteRole::border;
    double borderOpacity = 1;
    // At most one of the two second rows; neither when nothing was graded and the guide is off.
    std::optional<HandGradeRow> gradeRow;
    std::optional<std::string> ungradedText;
    std::optional<HandMisstep> misstep;
    std::optional<std::string> continueHint;

    static HandReportCardModel make(const HandReport& report, bool guideEnabled, bool showsContinueHint);

    friend bool operator==(const HandReportCardModel&, const HandReportCardModel&) = default;
};

PaletteRole verdictTint(HandVerdict verdict);
std::string streetWord(Street street);
// What the human did, in the past tense ("went all in").
std::string didWord(PlayerActionType type);
// What the guide said ("shove" for all in).
std::string guideWord(PlayerActionType type);

}  // namespace pellox::app
