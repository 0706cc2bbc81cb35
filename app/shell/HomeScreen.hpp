#pragma once
#include <QWidget>
#include <array>
#include <functional>

#include "rules/GameMode.hpp"
#include "shell/Route.hpp"
#include "store/GuideMode.hpp"
#include "store/Observed.hpp"

class QAbstractButton;
class QLabel;

namespace pellox {
class GameSession;
class SettingsStore;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class HoverButton;

// The start screen of the Table section: how many bots to face, the guide mode, the two games and the quick
// links. The number of opponents lives only here: a new home screen starts at 3 again.
class HomeScreen : public QWidget {
    Q_OBJECT
  public:
    // `onStart` runs once a game has been started; `push` opens a quick link's route on the stack.
    HomeScreen(AppContext& context, GameSession& session, SettingsStore& settings,
               std::function<void()> onStart, std::function<void(const Route&)> push,
               QWidget* parent = nullptr);
    ~HomeScreen() override;

    int opponents() const noexcept { return opponents_; }
    void setOpponents(int count);
    // Sets the guide mode and saves the settings, also when it is the mode already chosen.
    void selectGuideMode(GuideMode mode);
    // Starts the game with the chosen number of bots and the fixed seed if one is set (else none), then
    // tells the root view.
    void start(GameMode mode);

    HoverButton* countButton(int count) const;
    QAbstractButton* guideCard(GuideMode mode) const;
    QAbstractButton* modeCard(GameMode mode) const;
    HoverButton* quickLink(int index) const { return quickLinks_.at(static_cast<std::size_t>(index)); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* buildContent();
    QWidget* buildHeader(QWidget* parent);
    QWidget* buildOpponents(QWidget* parent);
    QWidget* buildGuide(QWidget* parent);
    QWidget* buildModeCards(QWidget* parent);
    QWidget* buildQuickLinks(QWidget* parent);
    void restyle();

    AppContext& context_;
    GameSession& session_;
    SettingsStore& settings_;
    std::function<void()> onStart_;
    std::function<void(const Route&)> push_;
    int opponents_;
    QLabel* title_ = nullptr;
    QLabel* tagline_ = nullptr;
    std::array<QLabel*, 2> sectionTitles_{};
    std::array<HoverButton*, 5> countButtons_{};
    std::array<QAbstractButton*, 3> guideCards_{};
    std::array<QAbstractButton*, 2> modeCards_{};
    std::array<HoverButton*, 4> quickLinks_{};
    Subscription guideModeSubscription_;
};

}  // namespace pellox::app
