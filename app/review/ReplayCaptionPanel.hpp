#pragma once
#include <QLabel>

namespace pellox::app {

class AppContext;

// The sentence of a replay step, shown as it stands, on a small panel.
class ReplayCaptionPanel : public QLabel {
    Q_OBJECT
  public:
    explicit ReplayCaptionPanel(AppContext& context, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void recolor();

    AppContext& context_;
};

}  // namespace pellox::app
