#pragma once
#include <QObject>
#include <QPointer>

class QMessageBox;

namespace pellox::app {

class ActionTickerView;
class HandReportCardView;
class SessionSummarySheet;
class StrategyOverlayView;
class TableOverlay;
class TableScreen;

// The guide and the close of hands and games on the table screen: it puts the action ticker, the hand report
// card and the strategy overlay into the screen's slots and redraws them on each of its refreshes; it shows
// the overlays that stop play (out of chips, tournament over), asks before leaving a hand and presents the
// session summary while the screen shows it. Owned by the screen.
class TableGuide : public QObject {
    Q_OBJECT
  public:
    explicit TableGuide(TableScreen& screen);
    ~TableGuide() override;

    // The header's Exit: during a hand it asks first, otherwise the summary comes at once.
    void requestExit();

    StrategyOverlayView* strategyOverlay() const;
    HandReportCardView* handReportCard() const;
    ActionTickerView* actionTicker() const;
    // Each is none while not shown.
    TableOverlay* bustedOverlay() const;
    TableOverlay* tournamentCompleteOverlay() const;
    QMessageBox* exitConfirmation() const;
    SessionSummarySheet* summarySheet() const;
    bool confirmingExit() const;

  private:
    void refresh();
    void refreshOverlays();
    void showingSummaryChanged(bool showing);

    TableScreen& screen_;
    // The screen owns the views and may replace them.
    QPointer<StrategyOverlayView> overlay_;
    QPointer<HandReportCardView> reportCard_;
    QPointer<ActionTickerView> ticker_;
    QPointer<TableOverlay> busted_;
    QPointer<TableOverlay> tournamentComplete_;
    QPointer<QMessageBox> confirmation_;
    QPointer<SessionSummarySheet> sheet_;
};

}  // namespace pellox::app
