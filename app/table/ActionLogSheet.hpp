#pragma once
#include <QDialog>
#include <vector>

#include "view/ActionLogStreet.hpp"

class QVBoxLayout;

namespace pellox {
struct Card;
}

namespace pellox::app {

class AppContext;
class TextBlock;
enum class PaletteRole;

// The whole current hand street by street: each street's board cards and every line of the action log, the
// human's lines standing out. A window-modal sheet that Close or Escape dismisses; it follows the log while
// open.
class ActionLogSheet : public QDialog {
    Q_OBJECT
  public:
    ActionLogSheet(const AppContext& context, std::vector<ActionLogStreet> log, QWidget* parent = nullptr);
    ~ActionLogSheet() override;

    void setLog(std::vector<ActionLogStreet> log);
    const std::vector<ActionLogStreet>& log() const noexcept { return log_; }

    // Red suits are written in danger, the others in text.
    static PaletteRole cardColor(const Card& card);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void rebuild();
    QWidget* section(const ActionLogStreet& street);

    const AppContext& context_;
    std::vector<ActionLogStreet> log_;
    QWidget* content_;
    QVBoxLayout* rows_;
};

}  // namespace pellox::app
