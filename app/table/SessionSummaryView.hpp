#pragma once
#include <QWidget>
#include <functional>

#include "table/SessionSummaryModel.hpp"

namespace pellox {
struct SessionSummary;
enum class GameMode;
enum class GuideMode;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class HoverButton;
class TextBlock;

// How the session went: the share of decisions that matched the guide with its grade, the hands and the net
// chips, the weakest street; then "Play again" and "Main menu", which only call their actions.
class SessionSummaryView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int idealWidth = 460;
    static constexpr int idealHeight = 560;

    SessionSummaryView(const AppContext& context, const SessionSummary& summary, GameMode mode,
                       GuideMode guide, std::function<void()> onPlayAgain, std::function<void()> onMainMenu,
                       QWidget* parent = nullptr);
    ~SessionSummaryView() override;

    const SessionSummaryModel& model() const noexcept { return model_; }
    HoverButton* playAgainButton() const noexcept { return playAgain_; }
    HoverButton* mainMenuButton() const noexcept { return mainMenu_; }
    // Every text shown, top to bottom (for tests and reading).
    QStringList texts() const;

    QSize sizeHint() const override { return {idealWidth, idealHeight}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void build();
    QWidget* header(QWidget* parent);
    QWidget* accuracy(QWidget* parent);
    QWidget* tiles(QWidget* parent);
    QWidget* weakestStreet(QWidget* parent);
    QWidget* buttons(QWidget* parent);
    TextBlock* text(QWidget* parent, const QString& value, const QFont& font, const QColor& color,
                    Qt::Alignment alignment = Qt::AlignHCenter);

    const AppContext& context_;
    SessionSummaryModel model_;
    std::function<void()> onPlayAgain_;
    std::function<void()> onMainMenu_;
    QWidget* scrollContent_ = nullptr;
    HoverButton* playAgain_ = nullptr;
    HoverButton* mainMenu_ = nullptr;
};

}  // namespace pellox::app
