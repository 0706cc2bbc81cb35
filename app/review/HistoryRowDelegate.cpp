#include "review/HistoryRowDelegate.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "review/HistoryListModel.hpp"
#include "review/HistoryRow.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr qreal rowInsetX = 16;  // the list's own row inset, matching the picker's
constexpr qreal rowInsetY = 5;   // the list's own row inset
constexpr qreal contentPaddingY = 2;
constexpr qreal rowGap = 1;  // lets the rows' backgrounds read as separate rows
constexpr qreal rowSpacing = 16;
constexpr qreal lineSpacing = 3;
constexpr qreal itemSpacing = 4;
constexpr qreal badgePaddingX = 6;
constexpr qreal badgePaddingY = 2;
constexpr qreal badgeFillOpacity = 0.16;
constexpr qreal netMinimumWidth = 62;
constexpr int messageHeight = 44;

QFont cardFont() {
    return scaledFont(15, FontWeight::heavy, FontDesign::rounded);
}
QFont positionFont() {
    return scaledFont(11, FontWeight::semibold);
}
QFont handLineFont() {
    return scaledFont(11);
}
QFont gradeFont() {
    return scaledFont(12, FontWeight::black, FontDesign::rounded);
}
QFont netFont() {
    return scaledFont(15, FontWeight::heavy, FontDesign::rounded);
}
QFont messageFont() {
    return scaledFont(13);
}

qreal width(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

qreal firstLineHeight() {
    return std::max({QFontMetricsF(cardFont()).height(), QFontMetricsF(positionFont()).height()});
}

qreal secondLineHeight() {
    return QFontMetricsF(handLineFont()).height();
}

// Draws texts one after another from x, each centred on the line's middle; returns where the next would go.
qreal drawRun(QPainter& painter, qreal x, qreal middle, const QString& text, const QFont& font,
              const QColor& color) {
    const QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(text);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(x, middle - metrics.height() / 2, w + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    return x + w;
}

void paintRecordRow(QPainter& painter, const QRectF& content, const HistoryRow& row, const Palette& palette) {
    // Trailing column first: the net, then the grade badge before it; the details get what is left.
    const qreal netWidth = std::max(netMinimumWidth, width(netFont(), row.net.text));
    const QRectF netRect(content.right() - netWidth, content.top(), netWidth, content.height());
    painter.setFont(netFont());
    painter.setPen(row.net.color);
    painter.drawText(netRect, Qt::AlignRight | Qt::AlignVCenter, row.net.text);
    qreal trailing = netRect.left() - rowSpacing;

    if (row.grade) {
        const QFontMetricsF metrics(gradeFont());
        const QSizeF size(metrics.horizontalAdvance(row.grade->text) + 2 * badgePaddingX,
                          metrics.height() + 2 * badgePaddingY);
        const QRectF badge(trailing - size.width(), content.center().y() - size.height() / 2, size.width(),
                           size.height());
        fillCapsule(painter, badge, withOpacity(row.grade->color, badgeFillOpacity));
        painter.setFont(gradeFont());
        painter.setPen(row.grade->color);
        painter.drawText(badge, Qt::AlignCenter, row.grade->text);
        trailing = badge.left() - rowSpacing;
    }

    const qreal detailsHeight = firstLineHeight() + lineSpacing + secondLineHeight();
    const qreal top = content.center().y() - detailsHeight / 2;
    painter.save();
    painter.setClipRect(QRectF(content.left(), content.top(), std::max<qreal>(0, trailing - content.left()),
                               content.height()));
    const qreal firstMiddle = top + firstLineHeight() / 2;
    qreal x = content.left();
    for (const auto& card : row.cards)
        x = drawRun(painter, x, firstMiddle, card.text, cardFont(), card.color) + itemSpacing;
    drawRun(painter, x, firstMiddle, row.positionName, positionFont(), palette.textMuted);

    const qreal secondMiddle = top + firstLineHeight() + lineSpacing + secondLineHeight() / 2;
    x = content.left();
    for (const QString& piece : {row.handText, QStringLiteral("\u00B7"), row.timeText})
        x = drawRun(painter, x, secondMiddle, piece, handLineFont(), palette.textMuted) + itemSpacing;
    painter.restore();
}

}  // namespace

HistoryRowDelegate::HistoryRowDelegate(const AppContext& context, QObject* parent)
    : QStyledItemDelegate(parent), context_(context) {}

int HistoryRowDelegate::rowHeight() {
    const qreal content =
        std::max(firstLineHeight() + lineSpacing + secondLineHeight(), QFontMetricsF(netFont()).height());
    return static_cast<int>(std::ceil(content + 2 * contentPaddingY + 2 * rowInsetY + rowGap));
}

QSize HistoryRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const bool message = index.data(HistoryListModel::IsMessageRole).toBool();
    return {option.rect.width(), message ? messageHeight : rowHeight()};
}

void HistoryRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const Palette& palette = context_.palette();
    const auto* model = qobject_cast<const HistoryListModel*>(index.model());
    const HandRecord* record = model ? model->record(index.row()) : nullptr;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF cell = QRectF(option.rect).adjusted(0, 0, 0, -rowGap);
    if (record == nullptr) {
        painter->setFont(messageFont());
        painter->setPen(palette.textMuted);
        painter->drawText(cell.adjusted(rowInsetX, 0, -rowInsetX, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
    } else {
        painter->fillRect(cell, palette.panel);
        const QRectF content =
            cell.adjusted(rowInsetX, rowInsetY + contentPaddingY, -rowInsetX, -(rowInsetY + contentPaddingY));
        paintRecordRow(*painter, content, HistoryRow::make(*record, palette), palette);
        // The row the keys are on, once the keyboard is in use.
        if (option.state & QStyle::State_HasFocus && option.widget && KitControl::showsFocus(option.widget))
            KitControl::paintFocusRing(*painter, cell, 0, palette.accent);
    }
    painter->restore();
}

}  // namespace pellox::app
