#pragma once
// What the home screen shows, apart from how it is painted: its texts, its cards and links, and the
// colours of a selected or unselected control.
#include <QColor>
#include <QString>
#include <array>

#include "rules/GameMode.hpp"
#include "shell/Route.hpp"
#include "store/GuideMode.hpp"

namespace pellox::app {

struct Palette;

namespace HomeScreenModel {

inline constexpr int defaultOpponents = 3;
inline constexpr std::array<int, 5> opponentCounts{1, 2, 3, 4, 5};

QString titleText();
QString tagline();
QString opponentsSectionTitle();
QString guideSectionTitle();

QString countLabel(int count);
// "1 opponent", "2 opponents", ...
QString countAccessibleName(int count);

struct CountButtonColors {
    QColor fill;
    QColor text;
};
CountButtonColors countButtonColors(bool selected, const Palette& palette);

struct GuideCard {
    GuideMode mode;
    QString title;
    QString detail;
};
const std::array<GuideCard, 3>& guideCards();

struct GuideCardColors {
    QColor fill;
    QColor stroke;
    QColor title;
};
GuideCardColors guideCardColors(bool selected, const Palette& palette);

struct ModeCard {
    GameMode mode;
    QString title;
    QString subtitle;
};
const std::array<ModeCard, 2>& modeCards();
QColor modeCardFill(GameMode mode, const Palette& palette);

struct QuickLink {
    QString label;
    const char* symbol;
    Route route;
};
const std::array<QuickLink, 4>& quickLinks();

}  // namespace HomeScreenModel
}  // namespace pellox::app
