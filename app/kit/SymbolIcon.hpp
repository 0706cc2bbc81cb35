#pragma once
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <array>
#include <optional>
#include <string_view>

#include "kit/Fonts.hpp"

class QPainter;

namespace pellox::app {

// The system symbols the screens name, drawn by the application itself.
enum class Symbol {
    chevronUp,
    chevronLeft,
    chevronRight,
    playFill,
    pauseFill,
    backwardEndFill,
    forwardEndFill,
    suitSpadeFill,
    chartLineUptrendXyaxis,
    chartBarFill,
    clockArrowCirclepath,
    squareGrid3x3Fill,
    gearshapeFill,
    lightbulbMaxFill,
};

// The system name of a symbol ("chevron.up") and back; an unknown name gives none.
std::string_view systemName(Symbol symbol);
std::optional<Symbol> symbolNamed(std::string_view name);
const std::array<Symbol, 14>& allSymbols();

// Paints the symbol centred in `rect`, sized like a glyph of a `size`-pixel font of that weight (about
// size × size), in one colour.
void paintSymbol(QPainter& painter, Symbol symbol, const QRectF& rect, qreal size, const QColor& color,
                 FontWeight weight = FontWeight::regular);

// The symbol on a transparent square of side ceil(size) logical pixels.
QPixmap symbolPixmap(Symbol symbol, qreal size, const QColor& color, FontWeight weight = FontWeight::regular,
                     qreal devicePixelRatio = 1);
QIcon symbolIcon(Symbol symbol, qreal size, const QColor& color, FontWeight weight = FontWeight::regular);

}  // namespace pellox::app
