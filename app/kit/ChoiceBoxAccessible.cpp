#include "kit/ChoiceBoxAccessible.hpp"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

#include "kit/AccessibleNotice.hpp"
#include "kit/AccessibleRole.hpp"

namespace pellox::app {
namespace {

constexpr const char* roleProperty = "pelloxChoiceBoxRole";

class ChoiceBoxAccessible : public QAccessibleWidget {
  public:
    ChoiceBoxAccessible(QComboBox* box, QAccessible::Role role) : QAccessibleWidget(box, role) {}

    // The choice is also the description, unless the box has one of its own: the desktop's accessibility bus
    // carries no value for a combo box, a description as text.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        if (t == QAccessible::Description && box()->accessibleDescription().isEmpty())
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The list the box opens, as the platform's own reading has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        if (!box()->isEnabled()) return {};
        QStringList names{showMenuAction(), pressAction()};
        if (box()->currentIndex() + 1 < box()->count()) names << increaseAction();
        if (box()->currentIndex() > 0) names << decreaseAction();
        return names;
    }

    void doAction(const QString& action) override {
        if (!actionNames().contains(action)) return;
        if (action == showMenuAction() || action == pressAction()) {
            box()->showPopup();
            return;
        }
        choose(box()->currentIndex() + (action == increaseAction() ? 1 : -1));
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == increaseAction()) return {QStringLiteral("Down")};
        if (action == decreaseAction()) return {QStringLiteral("Up")};
        return {};
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    // As the user's pick from the list: the box's owner hears activated().
    void choose(int index) const {
        QComboBox* combo = box();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
    }
};

QAccessibleInterface* choiceBoxFactory(const QString&, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    const QVariant role = object ? object->property(roleProperty) : QVariant();
    if (!box || !role.isValid()) return nullptr;
    return new ChoiceBoxAccessible(box, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void makeChoiceBoxAccessible(QComboBox* box) {
    claimAccessibleRole<ChoiceBoxAccessible>(box, choiceBoxFactory, roleProperty, QAccessible::ComboBox);
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
        QAccessibleEvent described(box, QAccessible::DescriptionChanged);
        sendAccessibleNotice(described);
    });
}

}  // namespace pellox::app
