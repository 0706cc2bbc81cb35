#include "review/ReplayFrameLook.hpp"

#include <QStringList>

#include "kit/MoneyText.hpp"
#include "rules/HumanPlayer.hpp"
#include "strategy/GradedDecision.hpp"
#include "theme/Palette.hpp"
#include "view/ReplayView.hpp"

namespace pellox::app {

namespace {

// The accessible name of a seat's two card backs.
constexpr const char* hiddenCardsLabel = "Cards not shown";

}  // namespace

SeatRowLook SeatRowLook::make(const ReplaySeatView& seat, const Palette& palette) {
    SeatRowLook look;
    look.name = QString::fromStdString(seat.name);
    const bool human = seat.id == humanPlayerId;
    look.bold = human;
    look.nameColor = seat.folded ? palette.textMuted : palette.text;
    look.dealer = seat.isDealer;
    if (seat.knownCards) look.cards = coloredCardTexts(*seat.knownCards, palette);
    look.stackText = moneyText(seat.stack);
    look.contentOpacity = seat.folded ? 0.5 : 1.0;
    look.background = human ? palette.accentSoft : palette.panel;
    return look;
}

QString SeatRowLook::accessibleText() const {
    QStringList parts{name};
    if (dealer) parts << QStringLiteral("Dealer");
    parts << (cards ? spokenCardTexts(*cards) : QString::fromLatin1(hiddenCardsLabel));
    parts << stackText;
    if (contentOpacity < 1) parts << QStringLiteral("Folded");
    return parts.join(QStringLiteral(", "));
}

GuideCalloutLook GuideCalloutLook::make(const GradedDecision& decision, const Palette& palette) {
    GuideCalloutLook look;
    look.title = decision.agreed
                     ? QStringLiteral("Matched the guide")
                     : QStringLiteral("Guide said ") + QString::fromUtf8(rawValue(decision.advisedAction));
    look.color = decision.agreed ? palette.success : palette.danger;
    look.explanation = QString::fromStdString(decision.explanation);
    return look;
}

}  // namespace pellox::app
