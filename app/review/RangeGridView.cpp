#include "review/RangeGridView.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "kit/Fonts.hpp"
#include "kit/KitControl.hpp"
#include "kit/TextFit.hpp"
#include "review/RangeChartModel.hpp"
#include "review/RangeGridAccessible.hpp"
#include "strategy/RangeAction.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr qreal cellGap = 1;
constexpr qreal largeLabelFrom = 26;  // a cell side above this takes the larger label
constexpr int largeLabelSize = 10;
constexpr int smallLabelSize = 8;
constexpr qreal labelMinimumScale = 0.6;
constexpr qreal selectionWidth = 2;
constexpr qreal focusWidth = 2;
constexpr qreal focusLining = 2;

const std::array<QString, RangeGridView::cellCount>& labels() {
    static const auto all = [] {
        std::array<QString, RangeGridView::cellCount> out;
        for (int i = 0; i < RangeGridView::cellCount; ++i)
            out[static_cast<std::size_t>(i)] =
                RangeChartModel::handLabel(i / RangeGridView::gridSize, i % RangeGridView::gridSize);
        return out;
    }();
    return all;
}

}  // namespace

RangeGridView::RangeGridView(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    // Before anything can ask for the grid's accessible interface (naming it does).
    installRangeGridAccessibility();
    actions_.fill(RangeAction::fold);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(QStringLiteral("Hand classes"));
    setFocusPolicy(Qt::StrongFocus);
}

void RangeGridView::setActions(const std::array<RangeAction, cellCount>& actions) {
    actions_ = actions;
    update();
}

void RangeGridView::setSelected(const std::optional<QString>& label) {
    selectedIndex_.reset();
    if (label) {
        const auto& all = labels();
        for (int i = 0; i < cellCount; ++i)
            if (all[static_cast<std::size_t>(i)] == *label) selectedIndex_ = i;
    }
    update();
}

// A screen reader hears the read as it appears on the selected cell, and the cell that lost it falls silent.
void RangeGridView::setSelectedRead(const QString& read) {
    const std::optional<int> before = std::exchange(readCell_, selectedIndex_);
    const bool reworded = std::exchange(selectedRead_, read) != read;
    if (before && before != selectedIndex_) announceCellRead(this, *before);
    if (selectedIndex_ && (reworded || before != selectedIndex_)) announceCellRead(this, *selectedIndex_);
}

void RangeGridView::setCurrentIndex(int index) {
    if (index < 0 || index >= cellCount || index == current_) return;
    current_ = index;
    update();
    announceFocusedCell(this);
}

std::optional<int> RangeGridView::moved(int index, int key) {
    const int row = index / gridSize;
    const int col = index % gridSize;
    switch (key) {
        case Qt::Key_Left:
            return row * gridSize + std::max(0, col - 1);
        case Qt::Key_Right:
            return row * gridSize + std::min(gridSize - 1, col + 1);
        case Qt::Key_Up:
            return std::max(0, row - 1) * gridSize + col;
        case Qt::Key_Down:
            return std::min(gridSize - 1, row + 1) * gridSize + col;
        default:
            return std::nullopt;
    }
}

const QString& RangeGridView::label(int index) {
    return labels()[static_cast<std::size_t>(index)];
}

QRectF RangeGridView::gridRect(const QRectF& area) {
    const qreal side = std::min(area.width(), area.height());
    return QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
}

QRectF RangeGridView::cellRect(int row, int col, const QRectF& grid) {
    const qreal pitch = grid.width() / gridSize;
    return QRectF(grid.left() + col * pitch, grid.top() + row * pitch, pitch - cellGap, pitch - cellGap);
}

QRectF RangeGridView::cellRect(int index) const {
    return cellRect(index / gridSize, index % gridSize, gridRect());
}

std::optional<int> RangeGridView::cellAt(QPointF point, const QRectF& grid) {
    const qreal pitch = grid.width() / gridSize;
    if (pitch <= 0 || !grid.contains(point)) return std::nullopt;
    const int col = std::min(gridSize - 1, static_cast<int>((point.x() - grid.left()) / pitch));
    const int row = std::min(gridSize - 1, static_cast<int>((point.y() - grid.top()) / pitch));
    if (!cellRect(row, col, grid).contains(point)) return std::nullopt;
    return row * gridSize + col;
}

int RangeGridView::labelPixelSize(qreal cellSide) {
    return cellSide > largeLabelFrom ? largeLabelSize : smallLabelSize;
}

QColor RangeGridView::labelColor(RangeAction action, const Palette& palette) {
    return action == RangeAction::fold ? palette.textMuted : QColor(Qt::white);
}

QString RangeGridView::accessibleName(const QString& label, RangeAction action) {
    return label + QStringLiteral(": ") + RangeChartModel::actionWord(action);
}

void RangeGridView::prepareLabels(qreal cellSide) const {
    if (cellSide == preparedSide_) return;
    preparedSide_ = cellSide;
    const QFont font = fixedFont(labelPixelSize(cellSide), FontWeight::bold);
    for (std::size_t i = 0; i < labelTexts_.size(); ++i) {
        const FittedText fitted = fitText(labels()[i], font, cellSide, labelMinimumScale);
        labelFonts_[i] = fitted.font;
        labelTexts_[i] = QStaticText(fitted.text);
        labelTexts_[i].setTextFormat(Qt::PlainText);
        labelTexts_[i].prepare(QTransform(), fitted.font);
    }
}

void RangeGridView::paintEvent(QPaintEvent*) {
    const Palette& palette = context_.palette();
    const QRectF grid = gridRect();
    const qreal side = grid.width() / gridSize - cellGap;
    if (side <= 0) return;
    prepareLabels(side);
    QPainter painter(this);
    for (int i = 0; i < cellCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QRectF cell = cellRect(i / gridSize, i % gridSize, grid);
        const RangeAction action = actions_[at];
        painter.fillRect(cell, RangeChartModel::actionColor(action, palette));
        painter.setPen(labelColor(action, palette));
        if (painter.font() != labelFonts_[at]) painter.setFont(labelFonts_[at]);
        const QSizeF text = labelTexts_[at].size();
        painter.drawStaticText(cell.center() - QPointF(text.width() / 2, text.height() / 2), labelTexts_[at]);
    }
    painter.setBrush(Qt::NoBrush);
    if (selectedIndex_) {
        // A stroke centred half its width inside the edge stays inside the cell.
        const qreal inset = selectionWidth / 2;
        painter.setPen(QPen(palette.text, selectionWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(cellRect(*selectedIndex_).adjusted(inset, inset, -inset, -inset));
    }
    if (KitControl::showsFocus(this)) {
        // The focused cell: a light ring lined inside with the felt's dark, which reads on every cell colour
        // and differs from the selection's plain ring.
        const QRectF cell = cellRect(current_);
        const qreal outer = focusWidth / 2;
        const qreal inner = focusWidth + focusLining / 2;
        painter.setPen(QPen(palette.text, focusWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(cell.adjusted(outer, outer, -outer, -outer));
        painter.setPen(QPen(palette.feltDark, focusLining, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(cell.adjusted(inner, inner, -inner, -inner));
    }
}

void RangeGridView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const auto next = moved(current_, event->key())) {
        setCurrentIndex(*next);
        return;
    }
    if (event->key() == Qt::Key_Space || KitControl::pressesOnKey(event->key())) {
        emit cellClicked(label(current_));
        return;
    }
    QWidget::keyPressEvent(event);
}

void RangeGridView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // Qt tells of the grid itself once the focus has landed, after this returns; the cell is told after it,
    // so that it is what a screen reader says last.
    QMetaObject::invokeMethod(
        this, [this] { announceFocusedCell(this); }, Qt::QueuedConnection);
}

void RangeGridView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void RangeGridView::mousePressEvent(QMouseEvent* event) {
    pressedIndex_ = event->button() == Qt::LeftButton ? cellAt(event->position(), gridRect()) : std::nullopt;
}

void RangeGridView::mouseReleaseEvent(QMouseEvent* event) {
    const auto released = cellAt(event->position(), gridRect());
    const bool tapped = event->button() == Qt::LeftButton && released && released == pressedIndex_;
    pressedIndex_.reset();
    if (!tapped) return;
    setCurrentIndex(*released);
    emit cellClicked(label(*released));
}

}  // namespace pellox::app
