#pragma once
#include <QWidget>

class QVBoxLayout;

namespace pellox::app {

class AppContext;

// One section of the statistics screen: its children stacked on a side-panel card that spans the width.
class StatsCard : public QWidget {
    Q_OBJECT
  public:
    explicit StatsCard(const AppContext& context, QWidget* parent = nullptr);

    QVBoxLayout* content() const noexcept { return content_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const AppContext& context_;
    QVBoxLayout* content_;
};

}  // namespace pellox::app
