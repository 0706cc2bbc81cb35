#pragma once
#include <QPointer>
#include <QWidget>

#include "store/Observed.hpp"

class QLabel;
class QScrollArea;

namespace pellox {
class StatsStore;
}

namespace pellox::app {

class AnimatedNumber;
class AppContext;
class RefreshCoalescer;

// The lifetime statistics: accuracy against the guide with its grade and counts, the recent hands' chart,
// accuracy by street and by position, the leaks and the net chips of each mode, or an empty state while
// nothing has been graded. It only reads the store and redraws whenever the statistics change; the accuracy
// figure counts to a new value.
class StatsScreen : public QWidget {
    Q_OBJECT
  public:
    StatsScreen(AppContext& context, StatsStore& stats, bool startsAtLeaks, QWidget* parent = nullptr);
    ~StatsScreen() override;

    // Centres the leaks card in the view, when there is one.
    void scrollToLeaks();
    QScrollArea* scrollArea() const noexcept { return scroll_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void rebuild();
    void countAccuracy();
    void showCountedAccuracy();

    AppContext& context_;
    StatsStore& stats_;
    bool startsAtLeaks_;
    QScrollArea* scroll_;
    RefreshCoalescer* refresh_;
    AnimatedNumber* accuracy_;
    // The page's figure, rebuilt with the page; it shows the count while one runs.
    QPointer<QLabel> accuracyFigure_;
    bool accuracyShown_ = false;
    Subscription statsChanged_;
};

}  // namespace pellox::app
