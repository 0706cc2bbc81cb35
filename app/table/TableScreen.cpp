#include "table/TableScreen.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/Spring.hpp"
#include "kit/Transition.hpp"
#include "rules/GameMode.hpp"
#include "rules/PlayerAction.hpp"
#include "rules/Standing.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "table/ActionBarView.hpp"
#include "table/ActionTickerView.hpp"
#include "table/ExitConfirmation.hpp"
#include "table/HandReportCardView.hpp"
#include "table/NextHandButton.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/SessionSummarySheet.hpp"
#include "table/StrategyOverlayView.hpp"
#include "table/TableControls.hpp"
#include "table/TableHeader.hpp"
#include "table/TableOverlay.hpp"
#include "table/TablePacingTask.hpp"
#include "table/TableView.hpp"
#include "table/TableViewModel.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int sidePanelWidth = 340;
constexpr int padding = 16;
constexpr int spacing = 8;
constexpr double dividerOpacity = 0.25;
// The side panel's springs: keyed on the human's turn, and on the report being shown.
constexpr Spring humanTurnSpring{0.2, 0.85};
constexpr Spring reportSpring{0.25, 0.85};

// A widget that only fills itself with one palette colour.
class Backdrop : public QWidget {
  public:
    Backdrop(const AppContext& context, std::function<QColor(const Palette&)> color, QWidget* parent)
        : QWidget(parent), context_(context), color_(std::move(color)) {
        connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), color_(context_.palette()));
    }

  private:
    const AppContext& context_;
    std::function<QColor(const Palette&)> color_;
};

// The first control of `piece` that Tab reaches, or none.
QWidget* firstControl(QWidget& piece) {
    for (QWidget* w = piece.nextInFocusChain(); w && w != &piece; w = w->nextInFocusChain()) {
        if (!piece.isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) return w;
    }
    return nullptr;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

ActionBarView::Decision decisionOf(const GameSession& session, HandKey hand) {
    const auto& table = session.table();
    if (!table) return {hand, std::nullopt, 0};
    return {hand, table->street, table->currentBet};
}

}  // namespace

TableScreen::TableScreen(AppContext& context, GameSession& session, SettingsStore& settings, bool frozen,
                         bool showsSummaryImmediately, std::function<void()> onExit, QWidget* parent)
    : QWidget(parent),
      context_(context),
      session_(session),
      settings_(settings),
      showsSummaryImmediately_(showsSummaryImmediately),
      onExit_(std::move(onExit)) {
    task_ = new TablePacingTask(context_, session_, settings_, frozen, this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(buildTableColumn(), 1);
    auto* divider = new Backdrop(
        context_,
        [](const Palette& p) {
            return QColor::fromRgbF(
                p.feltDark.redF() * (1 - dividerOpacity) + p.textMuted.redF() * dividerOpacity,
                p.feltDark.greenF() * (1 - dividerOpacity) + p.textMuted.greenF() * dividerOpacity,
                p.feltDark.blueF() * (1 - dividerOpacity) + p.textMuted.blueF() * dividerOpacity);
        },
        this);
    divider->setFixedWidth(1);
    row->addWidget(divider);
    row->addWidget(buildSidePanel());
    buildShortcuts();
    connect(task_, &TablePacingTask::refreshed, this, &TableScreen::refresh);
    // What waits for the felt's cards comes once they have landed.
    connect(felt_, &TableView::boardLanded, task_, &TablePacingTask::notify);
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    // The first refresh of the task arrives on the next turn; until then the views show the table as is.
    refresh();
}

TableScreen::~TableScreen() = default;

QWidget* TableScreen::buildTableColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    // The felt keeps room for its shadow inside its own rectangle: its drawn edges stand `padding` in, and
    // the shadow's room below it is the column's spacing.
    layout->setContentsMargins(padding - TableView::shadowMarginX, padding - TableView::shadowMarginTop,
                               padding - TableView::shadowMarginX, padding);
    layout->setSpacing(spacing - TableView::shadowMarginBottom);
    felt_ = new TableView(
        context_, session_, settings_, [this] { foldFromSeat(); }, [this] { advanceOrRevealAll(); }, column);
    layout->addWidget(felt_, 1);
    // The ticker lines up with the felt's drawn edges.
    auto* tickerHolder = new QWidget(column);
    auto* tickerRow = new QVBoxLayout(tickerHolder);
    tickerRow->setContentsMargins(TableView::shadowMarginX, 0, TableView::shadowMarginX, 0);
    ticker_ = new ActionTickerView(context_, tickerHolder);
    tickerRow->addWidget(ticker_);
    layout->addWidget(tickerHolder);
    return column;
}

QWidget* TableScreen::buildSidePanel() {
    auto* panel = new Backdrop(
        context_, [](const Palette& p) { return p.feltDark; }, this);
    panel->setFixedWidth(sidePanelWidth);
    sidePanel_ = panel;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    column->addWidget(buildHeader());

    // No stop of its own: nothing in the guide column takes the keys (Space and Next Hand do what a click on
    // the report card does).
    QScrollArea* scroll = makeScrollPage(panel, buildGuideColumn(nullptr));
    column->addWidget(scroll, 1);
    column->addWidget(buildActionArea());
    return panel;
}

QWidget* TableScreen::buildGuideColumn(QWidget* parent) {
    auto* guide = new QWidget(parent);
    auto* column = new QVBoxLayout(guide);
    column->setContentsMargins(padding, 0, padding, 0);
    column->setSpacing(spacing);
    reportCard_ = new HandReportCardView(context_, guide);
    connect(reportCard_, &HandReportCardView::clicked, this, &TableScreen::advanceOrRevealAll);
    column->addWidget(reportCard_);
    overlay_ = new StrategyOverlayView(context_, guide);
    column->addWidget(overlay_);
    column->addStretch();
    return guide;
}

QWidget* TableScreen::buildHeader() {
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(padding, padding, padding, 0);
    header_ = new TableHeader(context_, holder);
    row->addWidget(header_);
    connect(header_, &TableHeader::exitRequested, this, &TableScreen::requestExit);
    return holder;
}

QWidget* TableScreen::buildActionArea() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(padding, 0, padding, padding);
    column->setSpacing(0);
    actionBar_ = new ActionBarView(
        context_, [this](const PlayerAction& action) { submit(action); }, area);
    nextHandSlot_ = new QWidget(area);
    auto* slot = new QVBoxLayout(nextHandSlot_);
    slot->setContentsMargins(0, 0, 0, 0);
    nextHand_ = new NextHandButton(context_, nextHandSlot_);
    slot->addWidget(nextHand_);
    connect(nextHand_, &QAbstractButton::clicked, this, &TableScreen::advanceOrRevealAll);
    preActions_ = new PreActionPanelView(
        context_, [this](std::optional<PreAction> choice) { session_.setPreAction(choice); }, area);
    for (QWidget* w : std::initializer_list<QWidget*>{actionBar_, nextHandSlot_, preActions_}) {
        w->hide();
        column->addWidget(w);
    }
    return area;
}

void TableScreen::buildShortcuts() {
    for (int key : {int(Qt::Key_F), int(Qt::Key_C), int(Qt::Key_A), int(Qt::Key_Space)}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] { this->shortcut(key); });
    }
}

void TableScreen::shortcut(int key) {
    if (key == Qt::Key_Space) {
        advanceOrRevealAll();
        return;
    }
    // The human acts on a street only once the felt shows its cards.
    if (!TableViewModel::streetLanded(session_.table(), task_->pacing().revealedBoardCount(),
                                      felt_->landedBoardCount()))
        return;
    const auto which = key == Qt::Key_F   ? TableControls::ShortcutKey::f
                       : key == Qt::Key_C ? TableControls::ShortcutKey::c
                                          : TableControls::ShortcutKey::a;
    if (auto type =
            TableControls::shortcutAction(which, session_.humanLegalActions(), session_.isHumanTurn()))
        submit({*type, std::nullopt});
}

void TableScreen::refresh() {
    QWidget* const focusedPiece = pieceHoldingFocus();
    const TablePacing& pacing = task_->pacing();
    const auto& table = session_.table();
    header_->setTitle(fromStd(TableControls::headerTitle(session_.mode(), table ? table->handNumber : 0)));
    felt_->refresh(pacing.revealedBoardCount(), pacing.animationTimings(), pacing.game(),
                   pacing.motionless());
    const std::int64_t landed = felt_->landedBoardCount();
    const ActionArea area = pacing.actionArea(landed);
    // The bar comes with the human's turn, or once the felt shows the street it is for.
    const bool humanTurn = session_.isHumanTurn(), barShown = area == ActionArea::actionBar;
    const bool reportShown = pacing.reportShown();
    const Spring* spring = !placed_                                           ? nullptr
                           : reportShown != reportShown_                      ? &reportSpring
                           : humanTurn != humanTurn_ || barShown != barShown_ ? &humanTurnSpring
                                                                              : nullptr;
    placed_ = true;
    humanTurn_ = humanTurn;
    barShown_ = barShown;
    reportShown_ = reportShown;
    // Focus going out with its piece waits on the screen rather than run on along the window's chain.
    if (focusedPiece && focusedPiece != pieceFor(area)) oweFocus();
    refreshActionArea(area, spring);
    // The card takes the report before it comes, so it comes with its amount rather than counting to it.
    refreshGuide(TableViewModel::streetLanded(table, pacing.revealedBoardCount(), landed));
    place(*reportCard_, reportShown, Transition::move(Transition::Edge::top), spring);
    refreshOverlays();
    handOnFocus(focusedPiece != nullptr);
}

std::array<QWidget*, 3> TableScreen::actionPieces() const {
    return {actionBar_, nextHandSlot_, preActions_};
}

QWidget* TableScreen::pieceFor(ActionArea area) const {
    switch (area) {
        case ActionArea::actionBar:
            return actionBar_;
        case ActionArea::nextHand:
            return nextHandSlot_;
        case ActionArea::preActions:
            return preActions_;
        case ActionArea::empty:
            return nullptr;
    }
    return nullptr;
}

QWidget* TableScreen::pieceHoldingFocus() const {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !focused->isVisible()) return nullptr;
    for (QWidget* piece : actionPieces())
        if (piece->isAncestorOf(focused)) return piece;
    return nullptr;
}

void TableScreen::oweFocus() {
    focusOwed_ = true;
    setFocus(Qt::OtherFocusReason);
}

// Focus that stood on a piece of the action area that went away moves on to the piece in its place, not to
// wherever the window's focus chain drops it (the sidebar, whose arrow keys change the section). Nothing
// may come in its place at once (a fold leaves the area empty until the hand is over): then the screen
// holds it, owed to the next piece, as long as nobody moves it meanwhile.
void TableScreen::handOnFocus(bool pieceHadFocus) {
    if (pieceHadFocus && !pieceHoldingFocus() && QApplication::focusWidget() != this) oweFocus();
    if (!focusOwed_) return;
    if (QApplication::focusWidget() != this) {
        focusOwed_ = false;
        return;
    }
    for (QWidget* piece : actionPieces()) {
        if (piece->isHidden()) continue;
        if (QWidget* control = firstControl(*piece)) {
            control->setFocus(Qt::OtherFocusReason);
            focusOwed_ = false;
        }
        return;
    }
}

// A focused button takes Space as every button does; the window's Space (deal on) gives way to it.
bool TableScreen::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier &&
            qobject_cast<QAbstractButton*>(QApplication::focusWidget())) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TableScreen::refreshActionArea(ActionArea area, const Spring* spring) {
    if (area == ActionArea::actionBar)
        actionBar_->setLegal(*session_.humanLegalActions(), session_.potTotal(),
                             decisionOf(session_, task_->pacing().handKey()));
    if (area == ActionArea::preActions) preActions_->setSelected(session_.preAction());
    place(*actionBar_, area == ActionArea::actionBar, Transition::move(Transition::Edge::bottom), spring);
    place(*nextHandSlot_, area == ActionArea::nextHand, Transition::opacity(), spring);
    place(*preActions_, area == ActionArea::preActions, Transition::opacity(), spring);
}

// A change the springs are not keyed on lands at once. Pieces going out leave their picture on the panel,
// so the action area may shrink under it.
void TableScreen::place(QWidget& widget, bool shown, const Transition& transition, const Spring* spring) {
    if (widget.isHidden() != shown) return;
    if (!spring) {
        widget.setVisible(shown);
    } else if (shown) {
        transitionIn(widget, transition, *spring, context_);
    } else {
        transitionOut(widget, transition, *spring, context_,
                      widget.parentWidget() == reportCard_->parentWidget() ? nullptr : sidePanel_);
    }
}

void TableScreen::refreshGuide(bool streetShown) {
    // The ticker and its sheet tell no more of the hand than the felt has shown.
    ticker_->setLog(
        ActionLogStreet::revealedUpTo(session_.actionLog(), task_->pacing().revealedBoardCount()));
    // The advice for a street comes with its cards.
    overlay_->setAdvice(streetShown ? session_.visibleAdvice() : std::nullopt);
    // The card, shown only while the report is, always holds the latest report.
    if (const auto report = session_.handReport())
        reportCard_->setReport(*report, settings_.guideMode.get() != GuideMode::off, false);
}

// Out of chips first, the tournament's end over it, as they are attached; neither before the hand that led
// there has been shown whole.
void TableScreen::refreshOverlays() {
    const bool endShown = task_->pacing().endShown();
    const bool bustedShown = endShown && session_.humanBustedInCash();
    const bool completeShown = endShown && session_.tournamentOver();
    if (bustedShown && !busted_) {
        busted_ = TableOverlay::busted(
            context_, this, [this] { showSummary(); }, [this] { session_.rebuy(); });
        busted_->show();
        busted_->mainButton()->setFocus(Qt::OtherFocusReason);
    } else if (!bustedShown && busted_) {
        busted_->hide();
        busted_->deleteLater();
        busted_ = nullptr;
    }
    if (completeShown && !tournamentComplete_) {
        tournamentComplete_ = TableOverlay::tournamentComplete(
            context_, this, session_.standings().value_or(std::vector<Standing>{}),
            [this](std::string_view id) { return session_.playerName(id); }, [this] { showSummary(); });
        tournamentComplete_->show();
        tournamentComplete_->mainButton()->setFocus(Qt::OtherFocusReason);
    } else if (!completeShown && tournamentComplete_) {
        tournamentComplete_->hide();
        tournamentComplete_->deleteLater();
        tournamentComplete_ = nullptr;
    }
    if (busted_) busted_->raise();
    if (tournamentComplete_) tournamentComplete_->raise();
}

const TablePacing& TableScreen::pacing() const {
    return task_->pacing();
}

bool TableScreen::showingSummary() const {
    return task_->pacing().showingSummary();
}

TableOverlay* TableScreen::bustedOverlay() const {
    return busted_;
}

TableOverlay* TableScreen::tournamentCompleteOverlay() const {
    return tournamentComplete_;
}

QMessageBox* TableScreen::exitConfirmation() const {
    return confirmation_;
}

SessionSummarySheet* TableScreen::summarySheet() const {
    return sheet_;
}

bool TableScreen::confirmingExit() const {
    return confirmation_ != nullptr;
}

void TableScreen::submit(const PlayerAction& action) {
    task_->submit(action);
}

void TableScreen::foldFromSeat() {
    task_->foldFromSeat();
}

void TableScreen::advanceOrRevealAll() {
    task_->advanceOrRevealAll();
}

void TableScreen::requestExit() {
    if (TableControls::exitRequest(session_.table()) == TableControls::ExitRequest::showSummary) {
        showSummary();
        return;
    }
    if (!confirmation_)
        confirmation_ = ExitConfirmation::open(this, context_.palette().danger, [this] { showSummary(); });
}

void TableScreen::showSummary() {
    setShowingSummary(true);
}

void TableScreen::setShowingSummary(bool showing) {
    if (showingSummary() == showing) return;
    task_->setShowingSummary(showing);
    presentSummary(showing);
}

void TableScreen::presentSummary(bool showing) {
    if (!showing) {
        if (sheet_) {
            sheet_->dismiss();
            sheet_->deleteLater();
            sheet_ = nullptr;
        }
        return;
    }
    if (sheet_) return;
    sheet_ = new SessionSummarySheet(
        context_, session_.sessionSummary(), session_.mode().value_or(GameMode::cash),
        settings_.guideMode.get(), [this] { playAgain(); }, [this] { leaveTable(); }, this);
    sheet_->open();
}

void TableScreen::leaveTable() {
    setShowingSummary(false);
    if (onExit_) onExit_();
}

void TableScreen::playAgain() {
    const std::int64_t bots = TableControls::playAgainBotCount(session_.table());
    const bool tournament = session_.mode() == GameMode::tournament;
    setShowingSummary(false);
    if (tournament) {
        session_.startTournament(bots);
    } else {
        session_.startCashGame(bots);
    }
}

void TableScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (showsSummaryImmediately_) showSummary();
}

void TableScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
