#include "kit/SegmentedControl.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "kit/TextFit.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int standardTrackHeight = 26;

int trackHeight() {
    return SegmentedControl::heightAt(ScaledFont::textScale());
}
constexpr int trackInset = 2;
constexpr qreal trackRadius = 7;
constexpr qreal segmentRadius = 5;
constexpr int segmentPadding = 12;
constexpr double textSize = 13;
constexpr qreal minimumTextScale = 0.75;

// One segment: its title, drawn over the track the control paints.
class SegmentButton : public QAbstractButton {
  public:
    SegmentButton(const QString& title, const AppContext& context, QWidget* parent)
        : QAbstractButton(parent), context_(context) {
        setText(title);
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        KitControl::install(this, QAccessible::RadioButton);
    }

    QSize sizeHint() const override {
        const QFontMetricsF metrics(font(isChecked()));
        return {static_cast<int>(std::ceil(metrics.horizontalAdvance(text()))) + 2 * segmentPadding,
                trackHeight() - 2 * trackInset};
    }
    QSize minimumSizeHint() const override { return {2 * segmentPadding, trackHeight() - 2 * trackInset}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        const Palette& palette = context_.palette();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (isChecked()) fillRoundedRect(painter, rect(), segmentRadius, palette.accent);
        painter.setPen(isChecked() ? palette.onAccent : palette.text);
        if (!isEnabled()) painter.setPen(palette.textMuted);
        drawFittedText(painter, QRectF(rect()).adjusted(4, 0, -4, 0), text(), font(isChecked()),
                       minimumTextScale);
        if (KitControl::showsFocus(this))
            KitControl::paintFocusRing(painter, rect(), segmentRadius,
                                       isChecked() ? palette.onAccent : palette.text);
    }

  private:
    static QFont font(bool checked) {
        return scaledFont(textSize, checked ? FontWeight::semibold : FontWeight::regular);
    }
    const AppContext& context_;
};

}  // namespace

SegmentedControl::SegmentedControl(AppContext& context, const QString& label, const QStringList& segments,
                                   QWidget* parent)
    : QWidget(parent), context_(context), group_(new QButtonGroup(this)) {
    setAccessibleName(label);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(trackInset, trackInset, trackInset, trackInset);
    layout->setSpacing(0);
    for (int i = 0; i < segments.size(); ++i) {
        auto* button = new SegmentButton(segments[i], context_, this);
        button->setAccessibleName(segments[i]);
        group_->addButton(button, i);
        layout->addWidget(button, 1);
        segments_.push_back(button);
    }
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { choose(id, true); });
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    syncChecked();
}

int SegmentedControl::heightAt(double textScale) {
    return static_cast<int>(std::ceil(standardTrackHeight * std::max(1.0, textScale)));
}

QAbstractButton* SegmentedControl::segment(int index) const {
    return index >= 0 && index < count() ? segments_[static_cast<size_t>(index)] : nullptr;
}

void SegmentedControl::setCurrentIndex(int index) {
    choose(index, false);
}

void SegmentedControl::choose(int index, bool byUser) {
    if (index < 0 || index >= count()) return;
    if (index == current_) {
        syncChecked();
        return;
    }
    current_ = index;
    syncChecked();
    update();
    emit currentIndexChanged(index);
    if (byUser) emit activated(index);
}

// Tab enters the picker at its chosen segment, as it enters a group of radio buttons; the arrows move on
// from there (a segment that has the focus keeps its stop until the focus leaves it).
void SegmentedControl::syncChecked() {
    if (QAbstractButton* button = segment(current_)) button->setChecked(true);
    for (QAbstractButton* button : segments_) {
        const bool stop = button == segment(current_) || button->hasFocus();
        button->setFocusPolicy(stop ? Qt::TabFocus : Qt::NoFocus);
        button->update();
    }
}

QSize SegmentedControl::sizeHint() const {
    int width = 0;
    for (const QAbstractButton* button : segments_)
        width = std::max(width, button->sizeHint().width());
    return {width * count() + 2 * trackInset, trackHeight()};
}

QSize SegmentedControl::minimumSizeHint() const {
    return {count() * 2 * segmentPadding + 2 * trackInset, trackHeight()};
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    const Palette& palette = context_.palette();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(rect());
    fillRoundedRect(painter, track, trackRadius, palette.seatEmpty);
    strokeRoundedRectInside(painter, track, trackRadius, palette.border, 1);
    // Hairlines between unchosen neighbours, as a segmented track has.
    painter.setPen(QPen(palette.seatEmpty, 1));
    for (int i = 1; i < count(); ++i) {
        if (i == current_ || i - 1 == current_) continue;
        const qreal x = segments_[static_cast<size_t>(i)]->geometry().left() + 0.5;
        painter.drawLine(QPointF(x, track.top() + 6), QPointF(x, track.bottom() - 6));
    }
}

}  // namespace pellox::app
