#pragma once
// While a bot is still to act: what the human wants done automatically when the turn comes. The panel only
// reports a press; the owner stores the choice and passes it back.
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QLabel;

namespace pellox {
enum class PreAction;
}

namespace pellox::app {

class AnimatedNumber;
class AppContext;
class HoverButton;

class PreActionPanelView : public QWidget {
    Q_OBJECT
  public:
    using OnSelect = std::function<void(std::optional<PreAction>)>;

    PreActionPanelView(const AppContext& context, OnSelect onSelect, QWidget* parent = nullptr);

    void setSelected(std::optional<PreAction> selected);
    std::optional<PreAction> selected() const;
    QLabel* header() const noexcept { return header_; }
    HoverButton* option(PreAction option) const;

  private:
    void refresh();
    void paintOption(std::size_t index);

    const AppContext& context_;
    OnSelect onSelect_;
    int selected_ = -1;  // index of the armed option, -1 for none
    QLabel* header_ = nullptr;
    std::array<HoverButton*, 3> options_{};
    std::array<AnimatedNumber*, 3> selection_{};  // how selected each option looks, 0 to 1
};

}  // namespace pellox::app
