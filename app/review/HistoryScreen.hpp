#pragma once
#include <QWidget>
#include <functional>
#include <string>

#include "review/HistoryFilter.hpp"

class QListView;
class QLabel;
class QModelIndex;

namespace pellox {
class StatsStore;
}

namespace pellox::app {

class AppContext;
class HistoryListModel;
class SegmentedControl;

// The stored hands, newest first, narrowed by a filter; choosing a row asks the shell to open the replay of
// that record. Only reads the store.
class HistoryScreen : public QWidget {
    Q_OBJECT
  public:
    using Filter = HistoryFilter;

    HistoryScreen(AppContext& context, StatsStore& stats,
                  std::function<void(const std::string& recordId)> openRecord, QWidget* parent = nullptr);
    ~HistoryScreen() override;

    Filter filter() const;
    void setFilter(Filter filter);

    SegmentedControl* filterPicker() const noexcept { return picker_; }
    QListView* list() const noexcept { return list_; }
    HistoryListModel* model() const noexcept { return model_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void open(const QModelIndex& index);
    void recolor();

    AppContext& context_;
    std::function<void(const std::string&)> openRecord_;
    HistoryListModel* model_;
    QLabel* pickerLabel_;
    SegmentedControl* picker_;
    QListView* list_;
};

}  // namespace pellox::app
