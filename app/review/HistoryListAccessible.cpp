#include "review/HistoryListAccessible.hpp"

#include <QAccessibleWidget>
#include <QListView>
#include <QPointer>
#include <QWindow>
#include <map>

#include "kit/AccessibleRole.hpp"
#include "review/HistoryListModel.hpp"

namespace pellox::app {
namespace {

constexpr const char* roleProperty = "pelloxHistoryListRole";

// One row, found by its place in the list as it stands when asked.
class HistoryRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    HistoryRowAccessible(QListView* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ && list_->model() && row_ < list_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) {
            const QString spoken = index().data(Qt::AccessibleTextRole).toString();
            return spoken.isEmpty() ? index().data(Qt::DisplayRole).toString() : spoken;
        }
        if (t == QAccessible::Description) return index().data(Qt::AccessibleDescriptionRole).toString();
        return {};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) return state;
        state.focusable = true;
        state.focused = list_->hasFocus() && list_->currentIndex() == index();
        const QRect visible(list_->viewport()->mapToGlobal(QPoint(0, 0)), list_->viewport()->size());
        state.invisible = !visible.intersects(rect());
        return state;
    }

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = list_->visualRect(index());
        return QRect(list_->viewport()->mapToGlobal(local.topLeft()), local.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || !index().data(HistoryListModel::RecordIdRole).isValid()) return {};
        return {pressAction()};
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) return;
        QListView* list = list_.data();
        list->setCurrentIndex(index());
        emit list->activated(index());
    }

  private:
    QModelIndex index() const { return list_->model()->index(row_, 0); }

    QPointer<QListView> list_;
    int row_;
};

class HistoryListAccessibleInterface : public QAccessibleWidget {
  public:
    HistoryListAccessibleInterface(QListView* list, QAccessible::Role role) : QAccessibleWidget(list, role) {}

    ~HistoryListAccessibleInterface() override {
        for (const auto& [row, id] : rows_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->model() ? list()->model()->rowCount() : 0; }

    QAccessibleInterface* child(int row) const override {
        if (row < 0 || row >= childCount()) return nullptr;
        auto found = rows_.find(row);
        if (found == rows_.end())
            found =
                rows_
                    .emplace(row,
                             QAccessible::registerAccessibleInterface(new HistoryRowAccessible(list(), row)))
                    .first;
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [row, id] : rows_)
            if (QAccessible::accessibleInterface(id) == child) return row < childCount() ? row : -1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex at = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() && list()->currentIndex().isValid() ? child(list()->currentIndex().row())
                                                                      : nullptr;
    }

  private:
    QListView* list() const { return static_cast<QListView*>(widget()); }

    mutable std::map<int, QAccessible::Id> rows_;
};

QAccessibleInterface* historyListFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<QListView*>(object);
    const QVariant role = object ? object->property(roleProperty) : QVariant();
    if (!list || !role.isValid()) return nullptr;
    return new HistoryListAccessibleInterface(list, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void makeHistoryListAccessible(QListView* list) {
    claimAccessibleRole<HistoryListAccessibleInterface>(list, historyListFactory, roleProperty,
                                                        QAccessible::List);
}

}  // namespace pellox::app
