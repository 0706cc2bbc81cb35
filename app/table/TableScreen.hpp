#pragma once
// The play screen: the felt above the action ticker, and beside them a 340-wide panel with the header, the
// guide column (hand report card, strategy overlay) and the action area (action bar, Next Hand button or
// pre-action panel). It drives the running game one pacing step at a time and takes the human's actions
// from the action bar, the keys F, C, A and Space, the drag on the own seat and the pre-set action.
//
// Its views redraw once per gathered change of the game; the report card shows only while the hand's report
// is shown. Over the whole screen come the overlays that stop play (out of chips, tournament over), the
// question before leaving a hand and the session summary while the screen shows it.
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

namespace pellox {
class GameSession;
class SettingsStore;
struct PlayerAction;
}  // namespace pellox

class QMessageBox;
class QVBoxLayout;

namespace pellox::app {

class ActionBarView;
class ActionTickerView;
class AppContext;
class HandReportCardView;
class NextHandButton;
class PreActionPanelView;
class SessionSummarySheet;
class StrategyOverlayView;
class TableHeader;
class TableOverlay;
class TablePacing;
class TablePacingTask;
class TableView;
enum class ActionArea;
struct Spring;
struct Transition;

class TableScreen : public QWidget {
    Q_OBJECT
  public:
    TableScreen(AppContext& context, GameSession& session, SettingsStore& settings, bool frozen,
                bool showsSummaryImmediately, std::function<void()> onExit, QWidget* parent = nullptr);
    ~TableScreen() override;

    void submit(const PlayerAction& action);
    void foldFromSeat();
    // Space, the Next Hand button, a click on the felt or on the report card.
    void advanceOrRevealAll();
    // The header's Exit: during a hand it asks first, otherwise the summary comes at once.
    void requestExit();
    // Play stops while the summary is up.
    void showSummary();
    bool showingSummary() const;
    // Closes the summary and leaves the table.
    void leaveTable();
    // A new game of the same mode with as many bots as the table had.
    void playAgain();

    // --- What the screen shows and runs, for tests.
    const TablePacing& pacing() const;
    TablePacingTask& pacingTask() const noexcept { return *task_; }
    TableView& tableView() const noexcept { return *felt_; }
    ActionTickerView* actionTicker() const noexcept { return ticker_; }
    HandReportCardView* handReportCard() const noexcept { return reportCard_; }
    StrategyOverlayView* strategyOverlay() const noexcept { return overlay_; }
    // Each is none while not shown.
    TableOverlay* bustedOverlay() const;
    TableOverlay* tournamentCompleteOverlay() const;
    QMessageBox* exitConfirmation() const;
    SessionSummarySheet* summarySheet() const;
    bool confirmingExit() const;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* buildTableColumn();
    QWidget* buildSidePanel();
    QWidget* buildGuideColumn(QWidget* parent);
    QWidget* buildHeader();
    QWidget* buildActionArea();
    void buildShortcuts();
    void shortcut(int key);
    void refresh();
    void refreshActionArea(ActionArea area, const Spring* spring);
    // Shows or hides a piece of the side panel, along its transition when a spring is given.
    void place(QWidget& widget, bool shown, const Transition& transition, const Spring* spring);
    void refreshGuide(bool streetShown);
    void refreshOverlays();
    std::array<QWidget*, 3> actionPieces() const;
    QWidget* pieceFor(ActionArea area) const;
    // The piece of the action area in which the focused control stands, or none.
    QWidget* pieceHoldingFocus() const;
    void oweFocus();
    void handOnFocus(bool pieceHadFocus);
    void setShowingSummary(bool showing);
    void presentSummary(bool showing);

    AppContext& context_;
    GameSession& session_;
    SettingsStore& settings_;
    bool showsSummaryImmediately_;
    bool shown_ = false;
    // What the side panel's springs are keyed on, as of the last refresh.
    bool placed_ = false;
    bool humanTurn_ = false;
    bool barShown_ = false;
    bool reportShown_ = false;
    std::function<void()> onExit_;

    TablePacingTask* task_ = nullptr;
    TableView* felt_ = nullptr;
    ActionTickerView* ticker_ = nullptr;
    HandReportCardView* reportCard_ = nullptr;
    StrategyOverlayView* overlay_ = nullptr;
    TableHeader* header_ = nullptr;
    ActionBarView* actionBar_ = nullptr;
    NextHandButton* nextHand_ = nullptr;
    QWidget* nextHandSlot_ = nullptr;  // the button carries its hover highlight; the slot its transition
    QWidget* sidePanel_ = nullptr;
    // Focus left a piece that went away; the screen holds it for the next piece of the action area.
    bool focusOwed_ = false;
    PreActionPanelView* preActions_ = nullptr;
    QPointer<TableOverlay> busted_;
    QPointer<TableOverlay> tournamentComplete_;
    QPointer<QMessageBox> confirmation_;
    QPointer<SessionSummarySheet> sheet_;
};

}  // namespace pellox::app
