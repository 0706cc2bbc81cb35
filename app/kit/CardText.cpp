#include "kit/CardText.hpp"

#include "rules/Card.hpp"
#include "shell/Palette.hpp"

namespace pellox::app {

bool isRed(const Card& card) {
    return card.suit == Suit::diamonds || card.suit == Suit::hearts;
}

QString cardText(const Card& card) {
    return QString::fromStdString(symbolText(card));
}

QColor cardTextColor(const Card& card, const Palette& palette) {
    return isRed(card) ? palette.danger : palette.text;
}

ColoredText coloredCardText(const Card& card, const Palette& palette) {
    return {cardText(card), cardTextColor(card, palette)};
}

}  // namespace pellox::app
