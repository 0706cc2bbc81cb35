#include "table/TableScreen.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/Painting.hpp"
#include "rules/PlayerAction.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "table/ActionBarView.hpp"
#include "table/NextHandButton.hpp"
#include "table/PreActionPanelView.hpp"
#include "table/TableControls.hpp"
#include "table/TableGuide.hpp"
#include "table/TableHeader.hpp"
#include "table/TablePacingTask.hpp"
#include "table/TableView.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

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

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
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
    connect(&context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    // The first refresh of the task arrives on the next turn; until then the views show the table as is.
    refresh();
    // The guide's views fill their slots and follow every refresh from here on.
    new TableGuide(*this);
}

TableScreen::~TableScreen() = default;

QWidget* TableScreen::buildTableColumn() {
    auto* column = new QWidget(this);
    tableColumn_ = new QVBoxLayout(column);
    // The felt keeps room for its shadow inside its own rectangle.
    tableColumn_->setContentsMargins(padding - 10, padding - 2, padding - 10, padding);
    tableColumn_->setSpacing(0);
    felt_ = new TableView(
        context_, session_, settings_, [this] { foldFromSeat(); }, [this] { advanceOrRevealAll(); }, column);
    tableColumn_->addWidget(felt_, 1);
    // The ticker lines up with the felt's edges, inside the felt's shadow room.
    auto* tickerHolder = new QWidget(column);
    tickerSlot_ = new QVBoxLayout(tickerHolder);
    tickerSlot_->setContentsMargins(10, 0, 10, 0);
    tableColumn_->addWidget(tickerHolder);
    return column;
}

QWidget* TableScreen::buildSidePanel() {
    auto* panel = new Backdrop(
        context_, [](const Palette& p) { return p.feltDark; }, this);
    panel->setFixedWidth(sidePanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    column->addWidget(buildHeader());

    auto* scroll = new QScrollArea(panel);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    auto* guide = new QWidget;
    guide->setAutoFillBackground(false);
    guideColumn_ = new QVBoxLayout(guide);
    guideColumn_->setContentsMargins(padding, 0, padding, 0);
    guideColumn_->setSpacing(spacing);
    guideColumn_->addStretch();
    scroll->setWidget(guide);
    // The scroll area fills its content by default; the panel's colour shows through instead.
    guide->setAutoFillBackground(false);
    scroll->setAutoFillBackground(false);
    column->addWidget(scroll, 1);
    column->addWidget(buildActionArea());
    return panel;
}

QWidget* TableScreen::buildHeader() {
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(padding, padding, padding, 0);
    header_ = new TableHeader(context_, holder);
    row->addWidget(header_);
    connect(header_, &TableHeader::exitRequested, this, [this] {
        if (exitHandler_) {
            exitHandler_();
        } else {
            leaveTable();
        }
    });
    return holder;
}

QWidget* TableScreen::buildActionArea() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(padding, 0, padding, padding);
    column->setSpacing(0);
    actionBar_ = new ActionBarView(
        context_, [this](const PlayerAction& action) { submit(action); }, area);
    nextHand_ = new NextHandButton(context_, area);
    connect(nextHand_, &QAbstractButton::clicked, this, &TableScreen::advanceOrRevealAll);
    preActions_ = new PreActionPanelView(
        context_, [this](std::optional<PreAction> choice) { session_.setPreAction(choice); }, area);
    for (QWidget* w : std::initializer_list<QWidget*>{actionBar_, nextHand_, preActions_}) {
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
    const auto which = key == Qt::Key_F   ? TableControls::ShortcutKey::f
                       : key == Qt::Key_C ? TableControls::ShortcutKey::c
                                          : TableControls::ShortcutKey::a;
    if (auto type =
            TableControls::shortcutAction(which, session_.humanLegalActions(), session_.isHumanTurn()))
        submit({*type, std::nullopt});
}

void TableScreen::refresh() {
    const TablePacing& pacing = task_->pacing();
    const auto& table = session_.table();
    header_->setTitle(fromStd(TableControls::headerTitle(session_.mode(), table ? table->handNumber : 0)));
    felt_->refresh(pacing.revealedBoardCount(), pacing.animationTimings(), pacing.game(),
                   pacing.motionless());

    const ActionArea area = pacing.actionArea();
    if (area == ActionArea::actionBar)
        actionBar_->setLegal(*session_.humanLegalActions(), session_.potTotal());
    if (area == ActionArea::preActions) preActions_->setSelected(session_.preAction());
    actionBar_->setVisible(area == ActionArea::actionBar);
    nextHand_->setVisible(area == ActionArea::nextHand);
    preActions_->setVisible(area == ActionArea::preActions);
    if (reportCard_) reportCard_->setVisible(pacing.reportShown());
    emit refreshed();
}

void TableScreen::place(QVBoxLayout* slot, QWidget*& held, QWidget* widget, int index) {
    if (held == widget) return;
    delete held;
    held = widget;
    if (!widget) return;
    slot->insertWidget(index, widget);
    widget->show();
}

void TableScreen::setActionTicker(QWidget* ticker) {
    place(tickerSlot_, ticker_, ticker, 0);
}

void TableScreen::setHandReportCard(QWidget* card) {
    if (reportCard_) reportCard_->removeEventFilter(this);
    place(guideColumn_, reportCard_, card, 0);
    if (!reportCard_) return;
    reportCard_->installEventFilter(this);
    reportCard_->setVisible(task_->pacing().reportShown());
}

void TableScreen::setStrategyOverlay(QWidget* overlay) {
    place(guideColumn_, overlay_, overlay, reportCard_ ? 1 : 0);
}

void TableScreen::setExitHandler(std::function<void()> handler) {
    exitHandler_ = std::move(handler);
}

bool TableScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reportCard_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        advanceOrRevealAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

const TablePacing& TableScreen::pacing() const {
    return task_->pacing();
}

bool TableScreen::showingSummary() const {
    return task_->pacing().showingSummary();
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

void TableScreen::showSummary() {
    setShowingSummary(true);
}

void TableScreen::setShowingSummary(bool showing) {
    if (showingSummary() == showing) return;
    task_->setShowingSummary(showing);
    emit showingSummaryChanged(showing);
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
