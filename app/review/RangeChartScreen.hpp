#pragma once
#include <QColor>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <array>
#include <optional>

#include "review/RangeDetailView.hpp"
#include "review/RangeGridView.hpp"
#include "review/RangeLegendView.hpp"

namespace pellox {
enum class PositionBucket;
enum class PreflopContext;
enum class PreflopTier;
enum class RangeAction;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class SegmentedControl;
struct Palette;

// The guide's preflop range charts: a position bucket and a situation chosen with two pickers, the 169 hand
// classes as a 13 x 13 grid coloured by the chart, a legend of the combinations each action covers and the
// strength read of one selected class.
class RangeChartScreen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int gridSize = 13;

    struct ActionPercentages {
        int raise = 0;
        int call = 0;
        int fold = 0;
        friend bool operator==(const ActionPercentages&, const ActionPercentages&) = default;
    };

    // startsInspecting names a hand class ("AKs") selected each time the screen is shown.
    RangeChartScreen(AppContext& context, std::optional<QString> startsInspecting, QWidget* parent = nullptr);

    // Row and column index "AKQJT98765432"; above the diagonal suited, below it offsuit.
    static QString handLabel(int row, int col);
    // Pairs stand for 6 combinations, suited classes for 4, offsuit ones for 12; each share rounded by
    // itself.
    static ActionPercentages actionPercentages(PositionBucket bucket, PreflopContext context);
    // "A" 14 down to "T" 10, otherwise a decimal whole number from 2 to 14.
    static std::optional<int> rankValue(QStringView rank);
    // The Chen formula tier of a class, scored with a spade first and a spade (suited) or a heart second.
    static std::optional<PreflopTier> chenTier(QStringView label);
    static QColor actionColor(RangeAction action, const Palette& palette);
    // The chart's action for a class; a text the chart does not hold reads as fold.
    static RangeAction chartAction(const QString& label, PositionBucket bucket, PreflopContext context);
    // "raise", "call" or "fold".
    static QString actionWord(RangeAction action);
    // Every cell's action, row by row.
    static std::array<RangeAction, RangeGridView::cellCount> gridActions(PositionBucket bucket,
                                                                         PreflopContext context);
    static std::array<RangeLegendView::Item, 3> legendItems(const ActionPercentages& shares,
                                                            const Palette& palette);
    // The selected class with its action under the chart and its Chen formula tier.
    static RangeDetailView::Detail detail(const QString& label, PositionBucket bucket, PreflopContext context,
                                          const Palette& palette);
    // Muted on the faint fold fill, white on the others.
    static QColor badgeTextColor(const QColor& fill, const Palette& palette);

    PositionBucket bucket() const noexcept { return bucket_; }
    PreflopContext context() const noexcept { return context_; }
    const std::optional<QString>& selected() const noexcept { return selected_; }

    void setBucket(PositionBucket bucket);
    void setContext(PreflopContext context);
    // A class that was selected becomes unselected; any other becomes the selection.
    void toggleSelection(const QString& label);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void refresh();

    AppContext& app_;
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
