#pragma once
#include <QWidget>
#include <initializer_list>

class QHBoxLayout;

namespace pellox::app {

// The button row of a dialog-like card: a flexible space, then the buttons, 8 apart, vertically centred,
// so the buttons sit at the trailing edge of whatever width the row gets.
class ModalButtons : public QWidget {
    Q_OBJECT
  public:
    static constexpr int spacing = 8;

    explicit ModalButtons(std::initializer_list<QWidget*> buttons = {}, QWidget* parent = nullptr);
    // Appends a button at the trailing end; the row takes it as a child.
    void addButton(QWidget* button);

  private:
    QHBoxLayout* layout_;
};

}  // namespace pellox::app
