#pragma once
#include <QStyledItemDelegate>

namespace pellox::app {

class AppContext;

// Paints the rows of the hand history: cards and position over the hand number and time, then the grade
// badge and the net result in a column of their own; or the list's message when it has no row.
class HistoryRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit HistoryRowDelegate(const AppContext& context, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Height of a record's row.
    static int rowHeight();

  private:
    const AppContext& context_;
};

}  // namespace pellox::app
