#pragma once
#include <QString>
#include <QWidget>
#include <optional>

class QScrollArea;

#include "review/RangeDetailView.hpp"
#include "review/RangeGridView.hpp"
#include "review/RangeLegendView.hpp"

namespace pellox {
enum class PositionBucket;
enum class PreflopContext;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class SegmentedControl;

// The guide's preflop range charts: a position bucket and a situation chosen with two pickers, the 169 hand
// classes as a 13 x 13 grid coloured by the chart, a legend of the combinations each action covers and the
// strength read of one selected class.
class RangeChartScreen : public QWidget {
    Q_OBJECT
  public:
    // startsInspecting names a hand class ("AKs") selected each time the screen is shown.
    RangeChartScreen(AppContext& context, std::optional<QString> startsInspecting, QWidget* parent = nullptr);

    PositionBucket bucket() const noexcept { return bucket_; }
    PreflopContext context() const noexcept { return context_; }
    const std::optional<QString>& selected() const noexcept { return selected_; }

    void setBucket(PositionBucket bucket);
    void setContext(PreflopContext context);
    // A class that was selected becomes unselected; any other becomes the selection.
    void toggleSelection(const QString& label);

    // The grid's side in the room the screen has: the largest square that fits beside the other blocks
    // (`chrome` tall), but never smaller than it is at the standard text size (the blocks `standardChrome`
    // tall), so larger text scrolls the screen instead of shrinking the cells.
    static int gridSide(QSize room, int chrome, int standardChrome);
    // The pickers, legend and read, margins and spaces: the screen's height without the grid.
    int chromeHeightAt(double textScale) const;
    SegmentedControl* positionPicker() const noexcept { return positionPicker_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void keepGridSize();

    AppContext& app_;
    QScrollArea* scroll_;
    SegmentedControl* positionPicker_;
    SegmentedControl* situationPicker_;
    RangeGridView* grid_;
    RangeLegendView* legend_;
    RangeDetailView* detail_;
    std::optional<QString> startsInspecting_;
    PositionBucket bucket_;
    PreflopContext context_;
    std::optional<QString> selected_;
};

}  // namespace pellox::app
