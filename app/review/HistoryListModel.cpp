#include "review/HistoryListModel.hpp"

#include "review/HistoryRow.hpp"
#include "store/StatsStore.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

HistoryListModel::HistoryListModel(StatsStore& stats, QObject* parent)
    : QAbstractListModel(parent), stats_(stats) {
    subscription_ = stats.subscribe(StatsStore::Property::handHistory, [this](std::string_view) {
        beginResetModel();
        refilter();
        endResetModel();
    });
    refilter();
}

void HistoryListModel::setFilter(HistoryFilter filter) {
    if (filter == filter_) return;
    beginResetModel();
    filter_ = filter;
    refilter();
    endResetModel();
}

void HistoryListModel::refilter() {
    kept_ = filteredRecords(stats_.handHistory(), filter_);
}

const HandRecord* HistoryListModel::record(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= kept_.size()) return nullptr;
    return &stats_.handHistory()[kept_[static_cast<std::size_t>(row)]];
}

QString HistoryListModel::message() const {
    if (stats_.handHistory().empty()) return QStringLiteral("No hands played yet.");
    if (kept_.empty()) return QStringLiteral("No hands match this filter.");
    return {};
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return kept_.empty() ? 1 : static_cast<int>(kept_.size());
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const HandRecord* shown = record(index.row());
    switch (role) {
        case IsMessageRole:
            return shown == nullptr;
        case RecordIdRole:
            return shown ? QVariant(QString::fromStdString(shown->id)) : QVariant();
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return shown ? HistoryRow::make(*shown, Palette::cardRoom()).accessibleText() : message();
        default:
            return {};
    }
}

Qt::ItemFlags HistoryListModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || record(index.row()) == nullptr) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace pellox::app
