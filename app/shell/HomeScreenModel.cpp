#include "shell/HomeScreenModel.hpp"

#include "theme/Palette.hpp"

namespace pellox::app::HomeScreenModel {

QString titleText() {
    return QStringLiteral("PELLOX POKER");
}

QString tagline() {
    return QStringLiteral("Practice cash games and tournaments with a strategy guide you control.");
}

QString opponentsSectionTitle() {
    return QStringLiteral("OPPONENTS");
}

QString guideSectionTitle() {
    return QStringLiteral("GUIDE");
}

QString countLabel(int count) {
    return QString::number(count);
}

QString countAccessibleName(int count) {
    return countLabel(count) + QStringLiteral(" opponent") + (count == 1 ? QString() : QStringLiteral("s"));
}

CountButtonColors countButtonColors(bool selected, const Palette& palette) {
    if (selected) return {palette.accent, palette.onAccent};
    return {palette.seatEmpty, palette.text};
}

const std::array<GuideCard, 3>& guideCards() {
    static const std::array<GuideCard, 3> cards{{
        {GuideMode::show, QStringLiteral("Show advice"),
         QStringLiteral("See the recommended play before you act")},
        {GuideMode::gradeOnly, QStringLiteral("Test yourself"),
         QStringLiteral("Advice hidden, decisions graded")},
        {GuideMode::off, QStringLiteral("Off"), QStringLiteral("No advice, no grading")},
    }};
    return cards;
}

GuideCardColors guideCardColors(bool selected, const Palette& palette) {
    if (selected) return {palette.accentSoft, palette.accent, palette.accent};
    return {QColor(Qt::transparent), palette.border, palette.text};
}

const std::array<ModeCard, 2>& modeCards() {
    static const std::array<ModeCard, 2> cards{{
        {GameMode::cash, QStringLiteral("CASH GAME"), QStringLiteral("Fixed blinds, rebuy anytime")},
        {GameMode::tournament, QStringLiteral("TOURNAMENT"),
         QStringLiteral("Rising blinds, last one standing wins")},
    }};
    return cards;
}

QColor modeCardFill(GameMode mode, const Palette& palette) {
    return mode == GameMode::cash ? palette.callBtn : palette.raiseBtn;
}

const std::array<QuickLink, 4>& quickLinks() {
    static const std::array<QuickLink, 4> links{{
        {QStringLiteral("Stats"), "chart.bar.fill", Route::stats()},
        {QStringLiteral("History"), "clock.arrow.circlepath", Route::history()},
        {QStringLiteral("Ranges"), "square.grid.3x3.fill", Route::ranges()},
        {QStringLiteral("Settings"), "gearshape.fill", Route::settings()},
    }};
    return links;
}

}  // namespace pellox::app::HomeScreenModel
