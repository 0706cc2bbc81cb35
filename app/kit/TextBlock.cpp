#include "kit/TextBlock.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace pellox::app {

namespace {

// Start and length of each wrapped line of the text at that width.
std::vector<std::pair<int, int>> wrappedRanges(const QString& text, const QFont& font, qreal width) {
    std::vector<std::pair<int, int>> ranges;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ranges.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return ranges;
}

}  // namespace

TextBlock::TextBlock(const QString& text, QWidget* parent) : QWidget(parent), font_(font()) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setText(text);
}

void TextBlock::setText(const QString& text) {
    if (text == text_ && !text.isEmpty()) return;
    text_ = text;
    if (!silent_) setAccessibleName(text_);
    changed();
}

void TextBlock::setTextFont(const QFont& font) {
    font_ = font;
    changed();
}

void TextBlock::setColor(const QColor& color) {
    color_ = color;
    update();
}

void TextBlock::setMaximumLines(int lines) {
    maxLines_ = std::max(0, lines);
    changed();
}

void TextBlock::setElideMode(Qt::TextElideMode mode) {
    elide_ = mode;
    update();
}

void TextBlock::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void TextBlock::setSilent(bool silent) {
    silent_ = silent;
    setAccessibleName(silent_ ? QString() : text_);
}

QStringList TextBlock::lines(int width) const {
    if (text_.isEmpty()) return {};
    const QFontMetricsF metrics(font_);
    const qreal w = std::max(1, width);
    if (maxLines_ == 1) return {metrics.elidedText(text_, elide_, w)};
    const auto ranges = wrappedRanges(text_, font_, w);
    QStringList out;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const bool last = maxLines_ > 0 && static_cast<int>(i) == maxLines_ - 1;
        if (last && i + 1 < ranges.size()) {
            out << metrics.elidedText(text_.mid(ranges[i].first).simplified(), Qt::ElideRight, w);
            break;
        }
        out << text_.mid(ranges[i].first, ranges[i].second).trimmed();
    }
    return out;
}

int TextBlock::firstBaseline() const {
    return static_cast<int>(std::ceil(QFontMetricsF(font_).ascent()));
}

int TextBlock::heightForWidth(int width) const {
    const QFontMetricsF metrics(font_);
    const auto count = std::max<qsizetype>(1, lines(width).size());
    return static_cast<int>(std::ceil(metrics.height() + (count - 1) * metrics.lineSpacing()));
}

QSize TextBlock::sizeHint() const {
    const int natural = static_cast<int>(std::ceil(QFontMetricsF(font_).horizontalAdvance(text_))) + 1;
    return {natural, heightForWidth(natural)};
}

QSize TextBlock::minimumSizeHint() const {
    const int oneLine = static_cast<int>(std::ceil(QFontMetricsF(font_).height()));
    return {0, oneLine};
}

void TextBlock::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font_);
    painter.setPen(color_);
    const QFontMetricsF metrics(font_);
    qreal y = 0;
    for (const QString& line : lines(width())) {
        painter.drawText(
            QRectF(0, y, width(), metrics.height()),
            static_cast<int>(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine,
            line);
        y += metrics.lineSpacing();
    }
}

void TextBlock::changed() {
    updateGeometry();
    update();
}

}  // namespace pellox::app
