#pragma once
#include <QWidget>
#include <optional>
#include <vector>

#include "session/SessionSnapshot.hpp"
#include "shell/RootNavigation.hpp"
#include "store/Observed.hpp"

class QLabel;
class QListWidget;
class QMessageBox;
class QShortcut;
class QSplitter;
class QStackedWidget;

namespace pellox {
class GameSession;
class SettingsStore;
class StatsStore;
struct SessionSnapshotStore;
}  // namespace pellox

namespace pellox::app {

class AppContext;
class HoverButton;
class MacNavigation;
class OnboardingSheet;

// The main window's content: the sidebar of sections beside a navigation stack whose root is the selected
// section. It switches the Table section between the home and the table screen, offers a stored hand for
// resumption once the window is shown, and keeps the onboarding sheet up until the user has finished it.
// A screen is built when it is shown and destroyed when it is left, so a table not shown never plays on.
class MacRootView : public QWidget {
    Q_OBJECT
  public:
    using Section = app::Section;

    MacRootView(AppContext& context, GameSession& session, SettingsStore& settings, StatsStore& stats,
                SessionSnapshotStore& snapshots, MacNavigation& navigation, QWidget* parent = nullptr);
    ~MacRootView() override;

    const RootNavigation& state() const noexcept { return state_; }

    // The sidebar's selection; none shows the Table section.
    void selectSection(std::optional<Section> section);
    void push(const Route& route);
    void goBack();
    // The table screen's way out: the game ends and the Table section shows the home screen again.
    void leaveTable();
    // While a held sheet is up the pages stay: choosing a section, a route, Back or the menu's Settings...
    // do nothing until the sheet is answered.
    bool navigationHeld() const;

    // Reads a stored hand once while no game runs and asks whether to resume it.
    void offerResume();
    // Restores the game and shows it in the Table section.
    void resume(const SessionSnapshot& snapshot);
    // The stored hand offered and not yet answered, if any.
    const std::optional<SessionSnapshot>& resumable() const noexcept { return resumable_; }

    // The page on top of the stack, its root, and the controls around them.
    QWidget* currentPage() const;
    QWidget* rootPage() const noexcept { return rootPage_; }
    QListWidget* sidebar() const noexcept { return sidebar_; }
    HoverButton* backButton() const noexcept { return back_; }
    QLabel* titleLabel() const noexcept { return title_; }
    QWidget* header() const noexcept { return header_; }
    QMessageBox* resumeAlert() const noexcept { return alert_; }
    OnboardingSheet* onboardingSheet() const noexcept { return sheet_; }

  signals:
    // A stored hand was restored into the session.
    void resumed();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildSidebar();
    QWidget* buildDetail();
    QWidget* build(Screen screen, const HandRecord* record);
    // Brings the stack, the header and the sidebar in line with the state, rebuilding only what changed.
    void sync();
    void replaceRoot();
    void syncPushedPages();
    void discard(QWidget* page);
    void syncHeader();
    void syncSidebar();
    void restyle();
    void onRequestedSection();
    void presentResumeAlert();
    void syncOnboarding();
    void finishOnboarding();

    AppContext& context_;
    GameSession& session_;
    SettingsStore& settings_;
    StatsStore& stats_;
    SessionSnapshotStore& snapshots_;
    MacNavigation& navigation_;

    RootNavigation state_;
    std::optional<SessionSnapshot> resumable_;
    const bool showsSummaryImmediately_ = false;

    QSplitter* splitter_ = nullptr;
    QListWidget* sidebar_ = nullptr;
    QWidget* header_ = nullptr;
    HoverButton* back_ = nullptr;
    QShortcut* escapeBack_ = nullptr;
    QLabel* title_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QWidget* rootPage_ = nullptr;
    std::optional<Screen> rootScreen_;
    std::vector<Route> builtPath_;
    QMessageBox* alert_ = nullptr;
    OnboardingSheet* sheet_ = nullptr;
    bool shown_ = false;
    Subscription onboardedSubscription_;
};

}  // namespace pellox::app
