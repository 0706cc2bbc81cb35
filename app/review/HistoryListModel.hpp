#pragma once
#include <QAbstractListModel>
#include <cstddef>
#include <vector>

#include "review/HistoryFilter.hpp"
#include "store/Observed.hpp"

namespace pellox {
class StatsStore;
struct HandRecord;
}  // namespace pellox

namespace pellox::app {

// The stored hands that the filter keeps, in the history's order (newest first). Without such a hand the
// list holds one row with the message that says why. Follows the store's history as it changes.
class HistoryListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    enum Role { RecordIdRole = Qt::UserRole + 1, IsMessageRole };

    explicit HistoryListModel(StatsStore& stats, QObject* parent = nullptr);

    HistoryFilter filter() const noexcept { return filter_; }
    void setFilter(HistoryFilter filter);

    // The record of a row, or null for the message row.
    const HandRecord* record(int row) const;
    // The message shown instead of rows, or an empty text when there are rows.
    QString message() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void refilter();

    const StatsStore& stats_;  // only read
    HistoryFilter filter_ = HistoryFilter::all;
    std::vector<std::size_t> kept_;  // indices into the history
    Subscription subscription_;
};

}  // namespace pellox::app
