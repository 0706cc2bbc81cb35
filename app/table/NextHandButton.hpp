#pragma once
#include <QAbstractButton>

namespace pellox::app {

class AppContext;

// The wide button shown while a hand is over: "Next Hand" over its key, "Space".
class NextHandButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit NextHandButton(const AppContext& context, QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const AppContext& context_;
};

}  // namespace pellox::app
