#include "kit/MoneyText.hpp"

#include <QLocale>

namespace pellox::app {

QString magnitudeText(std::int64_t amount, const QLocale* grouping) {
    // Unsigned, so the most negative amount has a magnitude too.
    const auto magnitude =
        amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    return grouping ? grouping->toString(static_cast<qulonglong>(magnitude))
                    : QString::number(static_cast<qulonglong>(magnitude));
}

QString moneyText(std::int64_t amount, MoneySign sign, const QLocale* grouping) {
    if (sign == MoneySign::plain)
        return QStringLiteral("$") +
               (grouping ? grouping->toString(static_cast<qlonglong>(amount)) : QString::number(amount));
    const QString mark = amount > 0 ? QStringLiteral("+") : amount < 0 ? QStringLiteral("-") : QString();
    return mark + QStringLiteral("$") + magnitudeText(amount, grouping);
}

}  // namespace pellox::app
