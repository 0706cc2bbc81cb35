#pragma once
#include <QColor>
#include <QLocale>
#include <QString>
#include <QTimeZone>
#include <optional>
#include <string>
#include <vector>

#include "kit/CardText.hpp"
#include "store/StoredDate.hpp"

namespace pellox {
struct HandRecord;
}

namespace pellox::app {

struct Palette;

// Everything one row of the hand history shows, with its colours.
struct HistoryRow {
    std::vector<ColoredText> cards;  // the human's hole cards, in order
    QString positionName;
    QString handText;  // "Hand 12"
    QString timeText;
    std::optional<ColoredText> grade;  // only when some decision was graded
    ColoredText net;

    static HistoryRow make(const HandRecord& record, const Palette& palette,
                           const QLocale& locale = QLocale(),
                           const QTimeZone& zone = QTimeZone::systemTimeZone());

    // What a screen reader says for the row.
    QString accessibleText() const;
};

// `success` from 0.70 up, `danger` below.
QColor gradeColor(double accuracy, const Palette& palette);
// A short date followed by a short time, in the locale and the time zone.
QString historyTimeText(Date timestamp, const QLocale& locale, const QTimeZone& zone);

}  // namespace pellox::app
