#pragma once
// What the session summary sheet shows for one session's tally, decided apart from any drawing.
#include <cstdint>
#include <optional>
#include <string>

#include "theme/PaletteRole.hpp"

class QLocale;

namespace pellox {
struct SessionSummary;
struct StreetAccuracy;
enum class GameMode;
enum class GuideMode;
}  // namespace pellox

namespace pellox::app {

struct SummaryAccuracy {
    std::string grade;  // "A+" ... "F"
    std::int64_t percent = 0;
    PaletteRole color = PaletteRole::danger;
    std::string matchedText;    // "63% matched the guide"
    std::string decisionsText;  // "5 of 8 decisions"

    friend bool operator==(const SummaryAccuracy&, const SummaryAccuracy&) = default;
};

struct SessionSummaryModel {
    std::string modeText;  // "Cash game" or "Tournament"
    // None without a graded decision: the sheet then shows the no-grades state instead of the ring.
    std::optional<SummaryAccuracy> accuracy;
    // Under "No decisions graded", only without an accuracy.
    std::string noGradesHint;
    std::string handsValue;
    std::string handsCaption;
    std::string netText;
    PaletteRole netColor = PaletteRole::text;
    std::optional<std::string> weakestStreetLine;

    // Net chips are grouped by the locale; every other number is written in plain digits. `guide` is the
    // guide's mode as the summary opens: it tells why nothing was graded.
    static SessionSummaryModel make(const SessionSummary& summary, GameMode mode, GuideMode guide,
                                    const QLocale& locale);

    friend bool operator==(const SessionSummaryModel&, const SessionSummaryModel&) = default;
};

// The whole percent nearest to the fraction, halves away from zero.
std::int64_t wholePercent(double fraction);
PaletteRole accuracyColor(double accuracy);
// Why a session has no grades: the guide is off, or it was on and no decision of the user's came up.
std::string noGradesHint(GuideMode guide);
// "Flop: 42% across 12 decisions".
std::string weakestStreetLine(const StreetAccuracy& street);

}  // namespace pellox::app
