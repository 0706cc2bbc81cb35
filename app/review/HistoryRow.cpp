#include "review/HistoryRow.hpp"

#include <QDateTime>
#include <QStringList>
#include <chrono>

#include "kit/CardText.hpp"
#include "kit/MoneyText.hpp"
#include "store/HandRecord.hpp"
#include "strategy/GradedDecision.hpp"
#include "theme/Palette.hpp"
#include "theme/PaletteRole.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {

QColor gradeColor(double accuracy, const Palette& palette) {
    return accuracy >= 0.70 ? palette.success : palette.danger;
}

QString historyTimeText(Date timestamp, const QLocale& locale, const QTimeZone& zone) {
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(timestamp.time_since_epoch()).count();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(millis, zone);
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(local.time(), QLocale::ShortFormat);
}

HistoryRow HistoryRow::make(const HandRecord& record, const Palette& palette, const QLocale& locale,
                            const QTimeZone& zone) {
    HistoryRow row;
    row.cards = coloredCardTexts(record.humanHoleCards, palette);
    row.positionName = QString::fromUtf8(displayName(record.humanPosition));
    row.handText = QStringLiteral("Hand %1").arg(record.handNumber);
    row.timeText = historyTimeText(record.timestamp, locale, zone);
    if (const auto accuracy = handAccuracy(record.grades))
        row.grade =
            ColoredText{QString::fromStdString(letterGrade(*accuracy)), gradeColor(*accuracy, palette)};
    row.net = {moneyText(record.humanNet, MoneySign::awayFromZero), color(netRole(record.humanNet), palette)};
    return row;
}

QString HistoryRow::accessibleText() const {
    QStringList parts{spokenCardTexts(cards) + QLatin1Char(' ') + positionName, handText, timeText};
    if (grade) parts << QStringLiteral("Grade ") + grade->text;
    parts << net.text;
    return parts.join(QStringLiteral(", "));
}

}  // namespace pellox::app
