#pragma once
// Operating a control as a screen reader does: through its accessible interface, not its events.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "kit/AccessibleNotice.hpp"

namespace pellox::app::testing {

inline QAccessibleInterface* accessibleOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The control's own action: "Toggle" for a checkable control, else "Press"; false when it offers neither.
inline bool operateAccessibly(QObject* control) {
    QAccessibleInterface* iface = accessibleOf(control);
    if (!iface || !iface->actionInterface()) return false;
    const QStringList names = iface->actionInterface()->actionNames();
    for (const QString& action :
         {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
        if (names.contains(action)) {
            iface->actionInterface()->doAction(action);
            QApplication::processEvents();
            return true;
        }
    }
    return false;
}

// A screen reader selects a sidebar row through the row's own toggle action, which clears the selection
// first; the caller settles what the choice queued.
inline void chooseSidebarRow(QListWidget* sidebar, const QString& title) {
    QAccessibleInterface* list = accessibleOf(sidebar);
    ASSERT_NE(list, nullptr);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    for (int row = 0; row < table->rowCount(); ++row) {
        QAccessibleInterface* cell = table->cellAt(row, 0);
        if (!cell || cell->text(QAccessible::Name) != title) continue;
        ASSERT_NE(cell->actionInterface(), nullptr);
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        return;
    }
    FAIL() << "no sidebar row " << title.toStdString();
}

inline QString accessibleText(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* iface = accessibleOf(object);
    return iface ? iface->text(text) : QString();
}

// What a screen reader would be told while this lives, in order: each focus with the focused element's name
// ("focus AKs: raise") and each changed description with the element's name and its new description
// ("description AKs: raise = AKs, RAISE, ...").
struct HeardNotices {
    std::vector<std::string> heard;

    HeardNotices() {
        observeAccessibleNotices([this](QAccessibleEvent& event) {
            QAccessibleInterface* element = event.accessibleInterface();
            const auto text = [element](QAccessible::Text t) {
                return element ? element->text(t).toStdString() : std::string();
            };
            if (event.type() == QAccessible::Focus)
                heard.push_back("focus " + text(QAccessible::Name));
            else if (event.type() == QAccessible::DescriptionChanged)
                heard.push_back("description " + text(QAccessible::Name) + " = " +
                                text(QAccessible::Description));
        });
    }
    ~HeardNotices() { observeAccessibleNotices({}); }
    HeardNotices(const HeardNotices&) = delete;
    HeardNotices& operator=(const HeardNotices&) = delete;
};

}  // namespace pellox::app::testing
