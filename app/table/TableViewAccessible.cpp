#include "table/TableViewAccessible.hpp"

#include <QAccessibleActionInterface>
#include <QPointer>
#include <QWindow>

#include "table/TableView.hpp"

namespace pellox::app {

namespace {

const QString foldAction = QStringLiteral("Fold");
const QString continueAction = QStringLiteral("Continue");

// One painted element of the felt: a seat by its place in the layout, the board, or the pot. Everything it
// says is read from the felt when asked, so it never goes stale.
class TableViewElement : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    enum class Kind { seat, board, pot };

    TableViewElement(TableView* view, QAccessibleInterface* parent, Kind kind, int seat)
        : view_(view), parent_(parent), kind_(kind), seat_(seat) {}

    bool isValid() const override { return view_ && (kind_ != Kind::seat || seat_ < view_->seatCount()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return view_ && view_->window() ? view_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!view_ || t != QAccessible::Name) return {};
        switch (kind_) {
            case Kind::seat:
                return view_->seatDescription(seat_);
            case Kind::board:
                return view_->boardDescription();
            case Kind::pot:
                return view_->potDescription();
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!view_) return {};
        QRectF local;
        switch (kind_) {
            case Kind::seat:
                local = view_->seatRect(seat_);
                break;
            case Kind::board:
                local = view_->boardRect();
                break;
            case Kind::pot:
                local = view_->potRect();
                break;
        }
        const QRect r = local.toAlignedRect();
        return QRect(view_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override {
        if (kind_ == Kind::seat && view_ && view_->seatCanFold(seat_)) return QAccessible::Button;
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!view_ || !view_->isVisible()) s.invisible = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override {
        switch (kind_) {
            case Kind::seat:
                return {foldAction};
            case Kind::pot:
                return {continueAction};
            case Kind::board:
                break;
        }
        return {};
    }
    void doAction(const QString& name) override {
        if (!view_) return;
        if (kind_ == Kind::seat && name == foldAction) view_->foldSeat(seat_);
        if (kind_ == Kind::pot && name == continueAction) view_->skipReveal();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<TableView> view_;
    QAccessibleInterface* parent_;
    Kind kind_;
    int seat_;
};

QAccessibleInterface* tableViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("pellox::app::TableView") && object && object->isWidgetType())
        return new TableViewAccessible(static_cast<TableView*>(object));
    return nullptr;
}

}  // namespace

TableViewAccessible::TableViewAccessible(TableView* view) : QAccessibleWidget(view, QAccessible::Pane) {}

TableViewAccessible::~TableViewAccessible() {
    for (const auto& [key, id] : children_)
        QAccessible::deleteAccessibleInterface(id);
}

void TableViewAccessible::install() {
    // Qt ignores a factory it already has, and forgets them all with the application.
    QAccessible::installFactory(tableViewFactory);
}

TableView* TableViewAccessible::view() const {
    return static_cast<TableView*>(widget());
}

// Seats first, in layout order, then the board and the pot.
int TableViewAccessible::childCount() const {
    return view()->seatCount() + 2;
}

QAccessibleInterface* TableViewAccessible::child(int index) const {
    const int seats = view()->seatCount();
    if (index < 0 || index >= seats + 2) return nullptr;
    const auto kind = index < seats    ? TableViewElement::Kind::seat
                      : index == seats ? TableViewElement::Kind::board
                                       : TableViewElement::Kind::pot;
    const std::pair key{static_cast<int>(kind), kind == TableViewElement::Kind::seat ? index : 0};
    if (auto found = children_.find(key); found != children_.end())
        return QAccessible::accessibleInterface(found->second);
    auto* element = new TableViewElement(view(), const_cast<TableViewAccessible*>(this), kind, key.second);
    children_[key] = QAccessible::registerAccessibleInterface(element);
    return element;
}

int TableViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child) return i;
    return -1;
}

QAccessibleInterface* TableViewAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* c = child(i);
        if (c && c->rect().contains(x, y)) return c;
    }
    return nullptr;
}

}  // namespace pellox::app
