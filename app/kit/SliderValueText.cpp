#include "kit/SliderValueText.hpp"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QSlider>

#include "kit/AccessibleNotice.hpp"

namespace pellox::app {

namespace {

constexpr const char* valueTextProperty = "pelloxAccessibleValueText";

class ValueTextSlider : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ValueTextSlider(QSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return valueText();
        if (t == QAccessible::Description && slider()->accessibleDescription().isEmpty()) return valueText();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

  private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
    QString valueText() const { return slider()->property(valueTextProperty).toString(); }
};

QAccessibleInterface* valueTextSliderFactory(const QString& className, QObject* object) {
    auto* slider = qobject_cast<QSlider*>(object);
    if (className != QLatin1String("QSlider") || !slider || !slider->property(valueTextProperty).isValid())
        return nullptr;
    return new ValueTextSlider(slider);
}

}  // namespace

void setAccessibleValueText(QSlider* slider, const QString& text) {
    // Qt ignores a factory it already has, and forgets them all with the application.
    QAccessible::installFactory(valueTextSliderFactory);
    const bool changed = slider->property(valueTextProperty).toString() != text;
    slider->setProperty(valueTextProperty, text);
    if (changed) {
        QAccessibleValueChangeEvent event(slider, slider->value());
        sendAccessibleNotice(event);
        QAccessibleEvent described(slider, QAccessible::DescriptionChanged);
        sendAccessibleNotice(described);
    }
}

}  // namespace pellox::app
