#pragma once
#include <QColor>
#include <QString>
#include <vector>

namespace pellox {
struct Card;
}

namespace pellox::app {

struct Palette;

// Diamonds and hearts: the red suits of the screens' card texts.
bool isRed(const Card& card);
// The card's short text ("10♥", "A♠").
QString cardText(const Card& card);
// `danger` for a red card, `text` otherwise.
QColor cardTextColor(const Card& card, const Palette& palette);

// A text with the colour it is drawn in.
struct ColoredText {
    QString text;
    QColor color;
    friend bool operator==(const ColoredText&, const ColoredText&) = default;
};

// The card's short text in its colour.
ColoredText coloredCardText(const Card& card, const Palette& palette);
// Each card's short text in its colour, in order.
std::vector<ColoredText> coloredCardTexts(const std::vector<Card>& cards, const Palette& palette);
// The cards' texts one after another, a space between ("A♠ 10♥"), as a screen reader says them.
QString spokenCardTexts(const std::vector<ColoredText>& cards);

}  // namespace pellox::app
