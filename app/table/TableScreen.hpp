#pragma once
// The play screen: the felt above the action ticker, and beside them a 340-wide panel with the header, the
// guide column (hand report card, strategy overlay) and the action area (action bar, Next Hand button or
// pre-action panel). It drives the running game one pacing step at a time and takes the human's actions
// from the action bar, the keys F, C, A and Space, the drag on the own seat and the pre-set action.
//
// The guide's views plug into slots: the screen places them, owns them and shows the report card only
// while a report is shown; they redraw on refreshed(), once per gathered change of the game.
#include <QWidget>
#include <functional>
#include <optional>

namespace pellox {
class GameSession;
class SettingsStore;
struct PlayerAction;
}  // namespace pellox

class QVBoxLayout;

namespace pellox::app {

class ActionBarView;
class AppContext;
class NextHandButton;
class PreActionPanelView;
class TablePacing;
class TablePacingTask;
class TableHeader;
class TableView;

class TableScreen : public QWidget {
    Q_OBJECT
  public:
    static constexpr int sidePanelWidth = 340;
    static constexpr int padding = 16;
    static constexpr int spacing = 8;
    static constexpr double dividerOpacity = 0.25;

    TableScreen(AppContext& context, GameSession& session, SettingsStore& settings, bool frozen,
                bool showsSummaryImmediately, std::function<void()> onExit, QWidget* parent = nullptr);
    ~TableScreen() override;

    // --- Slots for the guide's views; each takes ownership and replaces what the slot held.
    // Under the felt, across the table column.
    void setActionTicker(QWidget* ticker);
    // Top of the guide column, shown only while the hand's report is; a click on it goes on as Space does.
    void setHandReportCard(QWidget* card);
    // The guide column, under the report card.
    void setStrategyOverlay(QWidget* overlay);
    // What the header's Exit button does; without a handler it leaves the table at once.
    void setExitHandler(std::function<void()> handler);

    // --- What the guide's views read and call.
    AppContext& context() const noexcept { return context_; }
    GameSession& session() const noexcept { return session_; }
    SettingsStore& settings() const noexcept { return settings_; }
    const TablePacing& pacing() const;
    TablePacingTask& pacingTask() const noexcept { return *task_; }
    TableView& tableView() const noexcept { return *felt_; }
    bool showingSummary() const;

    void submit(const PlayerAction& action);
    void foldFromSeat();
    // Space, the Next Hand button, a click on the felt or on the report card.
    void advanceOrRevealAll();
    // Play stops while the summary is up.
    void showSummary();
    void setShowingSummary(bool showing);
    // Closes the summary and leaves the table.
    void leaveTable();
    // A new game of the same mode with as many bots as the table had.
    void playAgain();

  signals:
    // Once per gathered change of the game, after the screen's own views are up to date.
    void refreshed();
    void showingSummaryChanged(bool showing);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildTableColumn();
    QWidget* buildSidePanel();
    QWidget* buildHeader();
    QWidget* buildActionArea();
    void buildShortcuts();
    void shortcut(int key);
    void refresh();
    void place(QVBoxLayout* slot, QWidget*& held, QWidget* widget, int index);

    AppContext& context_;
    GameSession& session_;
    SettingsStore& settings_;
    bool showsSummaryImmediately_;
    bool shown_ = false;
    std::function<void()> onExit_;
    std::function<void()> exitHandler_;

    TablePacingTask* task_ = nullptr;
    TableView* felt_ = nullptr;
    QVBoxLayout* tableColumn_ = nullptr;
    QVBoxLayout* tickerSlot_ = nullptr;
    QVBoxLayout* guideColumn_ = nullptr;
    QWidget* ticker_ = nullptr;
    QWidget* reportCard_ = nullptr;
    QWidget* overlay_ = nullptr;
    TableHeader* header_ = nullptr;
    ActionBarView* actionBar_ = nullptr;
    NextHandButton* nextHand_ = nullptr;
    PreActionPanelView* preActions_ = nullptr;
};

}  // namespace pellox::app
