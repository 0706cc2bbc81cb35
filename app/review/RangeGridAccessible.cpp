#include "review/RangeGridAccessible.hpp"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <array>

#include "kit/AccessibleNotice.hpp"
#include "review/RangeGridView.hpp"

namespace pellox::app {

namespace {

// One painted cell: a pressable button named by its class and the chart's action.
class RangeCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    RangeCellAccessible(RangeGridView* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!grid_) return state;
        state.focusable = true;
        state.focused = grid_->hasFocus() && grid_->currentIndex() == index_;
        state.selectable = true;
        state.selected = grid_->selectedIndex() == index_;
        return state;
    }
    void setText(QAccessible::Text, const QString&) override {}

    // The selected cell also says what its read says.
    QString text(QAccessible::Text t) const override {
        if (!grid_) return {};
        if (t == QAccessible::Name)
            return RangeGridView::accessibleName(RangeGridView::label(index_), grid_->action(index_));
        if (t == QAccessible::Description && grid_->selectedIndex() == index_) return grid_->selectedRead();
        return {};
    }

    QRect rect() const override {
        if (!grid_) return {};
        const QRect local = grid_->cellRect(index_).toAlignedRect();
        return QRect(grid_->mapToGlobal(local.topLeft()), local.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (grid_ && name == pressAction()) emit grid_->cellClicked(RangeGridView::label(index_));
    }

  private:
    QPointer<RangeGridView> grid_;
    int index_;
};

// The grid, whose children are its 169 cells, made on first request and kept while the grid lives.
class RangeGridAccessible : public QAccessibleWidget {
  public:
    explicit RangeGridAccessible(RangeGridView* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    ~RangeGridAccessible() override {
        for (QAccessible::Id id : cells_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return RangeGridView::cellCount; }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= RangeGridView::cellCount) return nullptr;
        QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
        if (!id) id = QAccessible::registerAccessibleInterface(new RangeCellAccessible(grid(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < RangeGridView::cellCount; ++i) {
            const QAccessible::Id id = cells_[static_cast<std::size_t>(i)];
            if (id && QAccessible::accessibleInterface(id) == child) return i;
        }
        return -1;
    }

    QAccessibleInterface* focusChild() const override {
        return grid()->hasFocus() ? child(grid()->currentIndex()) : nullptr;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const auto cell = RangeGridView::cellAt(grid()->mapFromGlobal(QPoint(x, y)), grid()->gridRect());
        return cell ? child(*cell) : nullptr;
    }

  private:
    RangeGridView* grid() const { return static_cast<RangeGridView*>(widget()); }

    mutable std::array<QAccessible::Id, RangeGridView::cellCount> cells_{};
};

QAccessibleInterface* rangeGridFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(RangeGridView::staticMetaObject.className())) return nullptr;
    auto* grid = qobject_cast<RangeGridView*>(object);
    return grid ? new RangeGridAccessible(grid) : nullptr;
}

}  // namespace

void announceFocusedCell(RangeGridView* grid) {
    if (!grid->hasFocus()) return;
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(grid->currentIndex());
    sendAccessibleNotice(event);
}

void announceCellRead(RangeGridView* grid, int index) {
    QAccessibleEvent event(grid, QAccessible::DescriptionChanged);
    event.setChild(index);
    sendAccessibleNotice(event);
}

void installRangeGridAccessibility() {
    // Qt ignores a factory it already has, and forgets them all with the application.
    QAccessible::installFactory(rangeGridFactory);
}

}  // namespace pellox::app
