#include "kit/Stepper.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>
#include <utility>

#include "kit/HoverButton.hpp"
#include "kit/Painting.hpp"
#include "kit/TextColor.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr QSize buttonSize{28, 24};
constexpr qreal buttonRadius = 6;
constexpr double buttonTextSize = 16;

HoverButton* makeButton(AppContext& context, const QString& text, const QString& name, QWidget* parent) {
    auto* button = new HoverButton(context, text, parent);
    button->setAccessibleName(name);
    button->setShape(HoverButton::Shape::roundedRect, buttonRadius);
    button->setFaceSize(buttonSize);
    button->setPadding({});
    button->setTextFont(scaledFont(buttonTextSize, FontWeight::semibold));
    return button;
}

}  // namespace

Stepper::Stepper(AppContext& context, Title title, std::int64_t minimum, std::int64_t maximum,
                 std::int64_t step, QWidget* parent)
    : QWidget(parent),
      context_(context),
      title_(std::move(title)),
      minimum_(minimum),
      maximum_(std::max(minimum, maximum)),
      step_(std::max<std::int64_t>(step, 1)),
      value_(minimum),
      label_(new QLabel(this)),
      minus_(makeButton(context, QStringLiteral("\u2212"), buttonName({}, false), this)),
      plus_(makeButton(context, QStringLiteral("+"), buttonName({}, true), this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(label_, 1);
    layout->addWidget(minus_);
    layout->addWidget(plus_);
    connect(minus_, &QAbstractButton::clicked, this, [this] { stepTo(decremented()); });
    connect(plus_, &QAbstractButton::clicked, this, [this] { stepTo(incremented()); });
    connect(&context_, &AppContext::paletteChanged, this, &Stepper::refresh);
    refresh();
}

void Stepper::setValue(std::int64_t value) {
    value_ = value;
    refresh();
}

// Compared before adding, so a bound near the integer limits cannot overflow.
std::int64_t Stepper::incremented() const {
    if (!canIncrement()) return value_;
    return value_ < minimum_            ? std::min(minimum_, maximum_)
           : value_ >= maximum_ - step_ ? maximum_
                                        : value_ + step_;
}

std::int64_t Stepper::decremented() const {
    if (!canDecrement()) return value_;
    return value_ > maximum_ ? maximum_ : value_ <= minimum_ + step_ ? minimum_ : value_ - step_;
}

QString Stepper::buttonName(const QString& subject, bool increases, const QString& value) {
    if (subject.isEmpty()) return increases ? QStringLiteral("Increment") : QStringLiteral("Decrement");
    const QString name = (increases ? QStringLiteral("Increase ") : QStringLiteral("Decrease ")) + subject;
    return value.isEmpty() ? name : name + QStringLiteral(", ") + value;
}

void Stepper::setSubject(const QString& subject, ValueText valueText) {
    subject_ = subject;
    valueText_ = std::move(valueText);
    refresh();
}

QString Stepper::titleText() const {
    return title_ ? title_(value_) : QString::number(value_);
}

void Stepper::stepTo(std::int64_t value) {
    if (value == value_) return;
    value_ = value;
    refresh();
    emit valueEdited(value_);
}

void Stepper::refresh() {
    const Palette& palette = context_.palette();
    label_->setText(titleText());
    label_->setAccessibleName(titleText());
    if (!subject_.isEmpty()) {
        const QString value = valueText_ ? valueText_(value_) : QString::number(value_);
        minus_->setAccessibleName(buttonName(subject_, false, value));
        plus_->setAccessibleName(buttonName(subject_, true, value));
    }
    setTextColor(label_, palette.text);
    for (HoverButton* button : {minus_, plus_}) {
        const bool enabled = button == minus_ ? canDecrement() : canIncrement();
        button->setEnabled(enabled);
        button->setFill(palette.seatEmpty);
        button->setStroke(palette.border, 1);
        button->setTextColor(enabled ? palette.text : withOpacity(palette.textMuted, 0.5));
    }
}

}  // namespace pellox::app
