#include "kit/CardText.hpp"

#include <QStringList>

#include "rules/Card.hpp"
#include "theme/Palette.hpp"

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

std::vector<ColoredText> coloredCardTexts(const std::vector<Card>& cards, const Palette& palette) {
    std::vector<ColoredText> texts;
    texts.reserve(cards.size());
    for (const Card& card : cards)
        texts.push_back(coloredCardText(card, palette));
    return texts;
}

QString spokenCardTexts(const std::vector<ColoredText>& cards) {
    QStringList texts;
    for (const ColoredText& card : cards)
        texts << card.text;
    return texts.join(QLatin1Char(' '));
}

}  // namespace pellox::app
