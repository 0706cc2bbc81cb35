#pragma once
#include <QAbstractButton>

namespace pellox::app {

class AppContext;

// A form toggle: its title at the leading edge and a switch at the trailing edge, the whole row clickable.
// The switch fills with the accent colour when on; a disabled toggle keeps its value and fades. The
// accessible name is the title.
class ToggleSwitch : public QAbstractButton {
    Q_OBJECT
  public:
    ToggleSwitch(const AppContext& context, const QString& title, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF trackRect() const;

    const AppContext& context_;
};

}  // namespace pellox::app
