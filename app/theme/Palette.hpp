#pragma once
#include <QColor>

#include "store/TableTheme.hpp"

namespace pellox::app {

// The colours of one table theme; every view takes its colours from the live palette of its AppContext.
struct Palette {
    QColor felt;
    QColor feltDark;
    QColor card;
    QColor cardBack;
    QColor cardBorder;
    QColor text;
    QColor textMuted;
    QColor accent;
    QColor accentSoft;
    QColor onAccent;
    QColor danger;
    QColor success;
    QColor panel;
    QColor seatEmpty;
    QColor border;
    QColor rail;
    QColor foldBtn;
    QColor callBtn;
    QColor raiseBtn;
    QColor allInBtn;
    QColor glow;

    static const Palette& cardRoom();
    static const Palette& clubGreen();
    static const Palette& midnight();
    static const Palette& oxblood();

    friend bool operator==(const Palette&, const Palette&) = default;
};

const Palette& paletteFor(TableTheme theme);

}  // namespace pellox::app
