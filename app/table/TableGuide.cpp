#include "table/TableGuide.hpp"

#include <QMessageBox>

#include "rules/GameMode.hpp"
#include "rules/Standing.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "table/ActionTickerView.hpp"
#include "table/ExitConfirmation.hpp"
#include "table/HandReportCardView.hpp"
#include "table/SessionSummarySheet.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TableControls.hpp"
#include "table/TableOverlay.hpp"
#include "table/TableScreen.hpp"

namespace pellox::app {

TableGuide::TableGuide(TableScreen& screen)
    : QObject(&screen),
      screen_(screen),
      overlay_(new StrategyOverlayView(screen.context())),
      reportCard_(new HandReportCardView(screen.context())),
      ticker_(new ActionTickerView(screen.context())) {
    screen_.setActionTicker(ticker_.data());
    screen_.setHandReportCard(reportCard_.data());
    screen_.setStrategyOverlay(overlay_.data());
    screen_.setExitHandler([this] { requestExit(); });
    connect(&screen_, &TableScreen::refreshed, this, &TableGuide::refresh);
    connect(&screen_, &TableScreen::showingSummaryChanged, this, &TableGuide::showingSummaryChanged);
    refresh();
    if (screen_.showingSummary()) showingSummaryChanged(true);
}

TableGuide::~TableGuide() = default;

TableOverlay* TableGuide::bustedOverlay() const {
    return busted_;
}

TableOverlay* TableGuide::tournamentCompleteOverlay() const {
    return tournamentComplete_;
}

StrategyOverlayView* TableGuide::strategyOverlay() const {
    return overlay_;
}

HandReportCardView* TableGuide::handReportCard() const {
    return reportCard_;
}

ActionTickerView* TableGuide::actionTicker() const {
    return ticker_;
}

QMessageBox* TableGuide::exitConfirmation() const {
    return confirmation_;
}

SessionSummarySheet* TableGuide::summarySheet() const {
    return sheet_;
}

bool TableGuide::confirmingExit() const {
    return confirmation_ != nullptr;
}

void TableGuide::refresh() {
    GameSession& session = screen_.session();
    if (ticker_) ticker_->setLog(session.actionLog());
    if (overlay_) overlay_->setAdvice(session.visibleAdvice());
    // The screen shows the card only while the report is shown; it always holds the latest report.
    const auto report = session.handReport();
    if (reportCard_ && report)
        reportCard_->setReport(*report, screen_.settings().guideMode.get() != GuideMode::off, false);
    refreshOverlays();
}

// Out of chips first, the tournament's end over it, as they are attached.
void TableGuide::refreshOverlays() {
    GameSession& session = screen_.session();
    if (session.humanBustedInCash() && !busted_) {
        busted_ = TableOverlay::busted(
            screen_.context(), &screen_, [this] { screen_.showSummary(); },
            [this] { screen_.session().rebuy(); });
        busted_->show();
    } else if (!session.humanBustedInCash() && busted_) {
        busted_->hide();
        busted_->deleteLater();
        busted_ = nullptr;
    }
    if (session.tournamentOver() && !tournamentComplete_) {
        tournamentComplete_ = TableOverlay::tournamentComplete(
            screen_.context(), &screen_, session.standings().value_or(std::vector<Standing>{}),
            [this] { screen_.showSummary(); });
        tournamentComplete_->show();
    } else if (!session.tournamentOver() && tournamentComplete_) {
        tournamentComplete_->hide();
        tournamentComplete_->deleteLater();
        tournamentComplete_ = nullptr;
    }
    if (busted_) busted_->raise();
    if (tournamentComplete_) tournamentComplete_->raise();
}

void TableGuide::requestExit() {
    if (TableControls::exitRequest(screen_.session().table()) == TableControls::ExitRequest::showSummary) {
        screen_.showSummary();
        return;
    }
    if (!confirmation_) confirmation_ = ExitConfirmation::open(&screen_, [this] { screen_.showSummary(); });
}

void TableGuide::showingSummaryChanged(bool showing) {
    if (!showing) {
        if (sheet_) {
            sheet_->dismiss();
            sheet_->deleteLater();
            sheet_ = nullptr;
        }
        return;
    }
    if (sheet_) return;
    GameSession& session = screen_.session();
    sheet_ = new SessionSummarySheet(
        screen_.context(), session.sessionSummary(), session.mode().value_or(GameMode::cash),
        [this] { screen_.playAgain(); }, [this] { screen_.leaveTable(); }, &screen_);
    sheet_->open();
}

}  // namespace pellox::app
