#pragma once
#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;

namespace pellox::app {

class AppContext;
class HoverButton;

// A stepper row: a title built from the value, then "−" and "+" buttons. A step moves the value by `step`
// and stops at the bounds (a value outside them is shown as it is and steps back inside); a button is
// disabled when it cannot move the value. Nothing can be typed, so only reachable values are handed over.
class Stepper : public QWidget {
    Q_OBJECT
  public:
    using Title = std::function<QString(std::int64_t value)>;
    // The value as the buttons' names say it ("$14").
    using ValueText = std::function<QString(std::int64_t value)>;

    Stepper(AppContext& context, Title title, std::int64_t minimum, std::int64_t maximum, std::int64_t step,
            QWidget* parent = nullptr);

    std::int64_t value() const noexcept { return value_; }
    // Shows the value without emitting valueEdited().
    void setValue(std::int64_t value);

    // The value after one step either way, within the bounds.
    std::int64_t incremented() const;
    std::int64_t decremented() const;
    bool canIncrement() const { return value_ < maximum_; }
    bool canDecrement() const { return value_ > minimum_; }

    // What the value is and how to say it, for the buttons' accessible names, which carry the value they
    // change ("Increase big blind, $14"); without a subject they are "Increment" and "Decrement", without a
    // value text the value is said in digits.
    void setSubject(const QString& subject, ValueText valueText = {});
    static QString buttonName(const QString& subject, bool increases, const QString& value = {});

    HoverButton* decrementButton() const noexcept { return minus_; }
    HoverButton* incrementButton() const noexcept { return plus_; }
    QString titleText() const;

  signals:
    // A button moved the value.
    void valueEdited(std::int64_t value);

  private:
    void stepTo(std::int64_t value);
    void refresh();

    AppContext& context_;
    Title title_;
    QString subject_;
    ValueText valueText_;
    std::int64_t minimum_;
    std::int64_t maximum_;
    std::int64_t step_;
    std::int64_t value_;
    QLabel* label_;
    HoverButton* minus_;
    HoverButton* plus_;
};

}  // namespace pellox::app
