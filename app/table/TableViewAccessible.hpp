#pragma once
// The felt read aloud: one element per seat drawn (its spoken description, with the action "Fold"), the
// board and the pot (with the action "Continue"). The felt paints them all itself, so they are virtual
// children of its accessible interface.
#include <QAccessible>
#include <QAccessibleWidget>
#include <map>
#include <utility>

namespace pellox::app {

class TableView;

class TableViewAccessible : public QAccessibleWidget {
  public:
    explicit TableViewAccessible(TableView* view);
    ~TableViewAccessible() override;

    // Registers the interface for every TableView; safe to call more than once.
    static void install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

  private:
    TableView* view() const;

    // Elements by kind and seat, made when first asked for and kept for the felt's life.
    mutable std::map<std::pair<int, int>, QAccessible::Id> children_;
};

}  // namespace pellox::app
