#include "shell/MacRootView.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "kit/Fonts.hpp"
#include "kit/HeldSheet.hpp"
#include "kit/HoverButton.hpp"
#include "kit/KitControl.hpp"
#include "kit/Question.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextColor.hpp"
#include "review/HandReplayScreen.hpp"
#include "review/HistoryScreen.hpp"
#include "review/RangeChartScreen.hpp"
#include "review/SettingsScreen.hpp"
#include "review/StatsScreen.hpp"
#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/MacNavigation.hpp"
#include "shell/MissingRecordView.hpp"
#include "shell/OnboardingScreen.hpp"
#include "shell/OnboardingSheet.hpp"
#include "shell/ResumeOffer.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "table/TableScreen.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int sidebarMinimumWidth = 180;
constexpr int sidebarIdealWidth = 200;
constexpr int sidebarMaximumWidth = 260;
constexpr qreal sidebarSymbolSize = 15;
constexpr int sidebarRowHeight = 32;
constexpr int headerHeight = 40;
constexpr int headerPadding = 8;
constexpr qreal headerTitleSize = 15;
constexpr qreal backSymbolSize = 17;
constexpr qreal sidebarFocusRadius = 4;

QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The sidebar's rows as the style draws them, but the row the keys are on is ringed plainly (the style
// marks it with a faint dotted line), once the keyboard is in use.
class SidebarRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (!(option.state & QStyle::State_HasFocus) || !option.widget ||
            !KitControl::showsFocus(option.widget))
            return;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        KitControl::paintFocusRing(
            *painter, option.rect, sidebarFocusRadius,
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->restore();
    }
};

}  // namespace

MacRootView::MacRootView(AppContext& context, GameSession& session, SettingsStore& settings,
                         StatsStore& stats, SessionSnapshotStore& snapshots, MacNavigation& navigation,
                         QWidget* parent)
    : QWidget(parent),
      context_(context),
      session_(session),
      settings_(settings),
      stats_(stats),
      snapshots_(snapshots),
      navigation_(navigation) {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(buildSidebar());
    splitter_->addWidget(buildDetail());
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({sidebarIdealWidth, 10 * sidebarIdealWidth});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);

    connect(&navigation_, &MacNavigation::requestedSectionChanged, this, &MacRootView::onRequestedSection);
    connect(&context_, &AppContext::paletteChanged, this, &MacRootView::restyle);
    onboardedSubscription_ = settings_.hasOnboarded.subscribe([this](std::string_view) {
        // Queued: the change may come from inside the sheet's own button.
        QTimer::singleShot(0, this, &MacRootView::syncOnboarding);
    });
    sync();
    restyle();
}

MacRootView::~MacRootView() = default;

QWidget* MacRootView::buildSidebar() {
    sidebar_ = new QListWidget(this);
    sidebar_->setAccessibleName(QStringLiteral("Sections"));
    sidebar_->setSelectionMode(QAbstractItemView::SingleSelection);
    sidebar_->setMinimumWidth(sidebarMinimumWidth);
    sidebar_->setMaximumWidth(sidebarMaximumWidth);
    sidebar_->setFrameShape(QFrame::NoFrame);
    sidebar_->setIconSize(QSize(sidebarSymbolSize, sidebarSymbolSize));
    sidebar_->setFont(scaledFont(13));
    sidebar_->setItemDelegate(new SidebarRowDelegate(sidebar_));
    for (Section section : allSections) {
        auto* item = new QListWidgetItem(qtext(title(section)), sidebar_);
        item->setSizeHint(QSize(0, sidebarRowHeight));
    }
    connect(sidebar_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = sidebar_->selectedItems();
        if (selected.isEmpty()) {
            // A screen reader's choice clears the selection before it selects its row; only a selection that
            // is still empty afterwards means no section (else choosing History would drop its pushed page).
            QTimer::singleShot(0, this, [this] {
                if (sidebar_->selectedItems().isEmpty() && state_.section()) selectSection(std::nullopt);
            });
            return;
        }
        selectSection(allSections[static_cast<std::size_t>(sidebar_->row(selected.first()))]);
    });
    return sidebar_;
}

QWidget* MacRootView::buildDetail() {
    auto* detail = new QWidget(this);
    auto* column = new QVBoxLayout(detail);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    header_ = new QWidget(detail);
    header_->setFixedHeight(headerHeight);
    auto* row = new QHBoxLayout(header_);
    row->setContentsMargins(headerPadding, 0, headerPadding, 0);
    back_ = new HoverButton(context_, {}, header_);
    back_->setShape(HoverButton::Shape::none);
    back_->setSymbol(Symbol::chevronLeft, backSymbolSize, FontWeight::semibold);
    back_->setPadding({4, 4, 4, 4});
    back_->setAccessibleName(QStringLiteral("Back"));
    connect(back_, &QAbstractButton::clicked, this, &MacRootView::goBack);
    // Escape goes back as the Back button does, wherever the focus is in the detail column.
    escapeBack_ = new QShortcut(QKeySequence(Qt::Key_Escape), detail, this, &MacRootView::goBack,
                                Qt::WidgetWithChildrenShortcut);
    title_ = new QLabel(header_);
    title_->setFont(scaledFont(headerTitleSize, FontWeight::bold));
    row->addWidget(back_);
    row->addWidget(title_, 1);

    stack_ = new QStackedWidget(detail);
    column->addWidget(header_);
    column->addWidget(stack_, 1);
    return detail;
}

QWidget* MacRootView::build(Screen screen, const HandRecord* record) {
    QWidget* page = nullptr;
    switch (screen) {
        case Screen::home:
            page = new HomeScreen(
                context_, session_, settings_,
                [this] {
                    state_.setPlaying(true);
                    sync();
                },
                [this](const Route& route) { push(route); });
            break;
        case Screen::table:
            page = new TableScreen(context_, session_, settings_, false, showsSummaryImmediately_,
                                   [this] { leaveTable(); });
            break;
        case Screen::stats:
            page = new StatsScreen(context_, stats_, false);
            break;
        case Screen::history:
            page = new HistoryScreen(context_, stats_,
                                     [this](const std::string& id) { push(Route::handReplay(id)); });
            break;
        case Screen::ranges:
            page = new RangeChartScreen(context_, std::nullopt);
            break;
        case Screen::settings:
            page = new SettingsScreen(context_, settings_, stats_);
            break;
        case Screen::handReplay:
            page = new HandReplayScreen(context_, *record, false);
            break;
        case Screen::missingRecord:
            page = new MissingRecordView(context_);
            break;
    }
    if (page->windowTitle().isEmpty())
        page->setWindowTitle(QString::fromStdString(navigationTitle(screen, record)));
    // Entering a page puts the keys on the page itself; a screen reader names it as the header or the
    // sidebar does.
    if (page->accessibleName().isEmpty())
        page->setAccessibleName(QString::fromStdString(pageName(screen, record)));
    return page;
}

// A held sheet (the session's summary, the onboarding) waits for its own answer: nothing takes the pages
// beneath it away, or a left session would be rebuilt and play on when its section is shown again.
bool MacRootView::navigationHeld() const {
    const auto sheets = findChildren<HeldSheet*>();
    return std::any_of(sheets.begin(), sheets.end(),
                       [](const HeldSheet* sheet) { return sheet->isVisible() && sheet->isHeld(); });
}

void MacRootView::selectSection(std::optional<Section> section) {
    if (navigationHeld()) {
        syncSidebar();
        return;
    }
    state_.select(section);
    sync();
}

void MacRootView::push(const Route& route) {
    if (navigationHeld()) return;
    state_.push(route);
    sync();
}

void MacRootView::goBack() {
    if (navigationHeld()) return;
    state_.pop();
    sync();
}

void MacRootView::leaveTable() {
    session_.endSession();
    state_.setPlaying(false);
    sync();
}

void MacRootView::sync() {
    // Asked before a page goes: hiding the page that has the keys hands them on, often to the sidebar.
    const bool keysInSidebar = sidebar_->hasFocus();
    if (!rootPage_ || rootScreen_ != state_.rootScreen()) replaceRoot();
    syncPushedPages();
    stack_->setCurrentIndex(stack_->count() - 1);
    // The new page takes the keys, unless they are moving through the sidebar.
    if (QWidget* page = currentPage(); page && !keysInSidebar) page->setFocus(Qt::OtherFocusReason);
    syncHeader();
    syncSidebar();
}

// The old root goes at once from the stack and is deleted once control is back in the event loop: the call
// may come from one of its own buttons.
void MacRootView::replaceRoot() {
    const Screen screen = state_.rootScreen();
    QWidget* page = build(screen, nullptr);
    stack_->insertWidget(0, page);
    if (rootPage_) discard(rootPage_);
    rootPage_ = page;
    rootScreen_ = screen;
}

// A built page still on the path, in its order, stays as it is (a replay kept by History stays at its step);
// the others go and the missing ones are built.
void MacRootView::syncPushedPages() {
    const auto& path = state_.path();
    std::vector<QWidget*> built;
    for (int i = 1; i < stack_->count(); ++i)
        built.push_back(stack_->widget(i));
    std::size_t kept = 0;
    for (std::size_t i = 0; i < built.size(); ++i) {
        if (kept < path.size() && builtPath_[i] == path[kept])
            ++kept;
        else
            discard(built[i]);
    }
    builtPath_.assign(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(kept));
    for (std::size_t i = kept; i < path.size(); ++i) {
        const Destination destination = RootNavigation::destination(path[i], stats_.handHistory());
        stack_->addWidget(build(destination.screen, destination.record));
        builtPath_.push_back(path[i]);
    }
}

void MacRootView::discard(QWidget* page) {
    stack_->removeWidget(page);
    page->hide();
    page->deleteLater();
}

QWidget* MacRootView::currentPage() const {
    return stack_->currentWidget();
}

void MacRootView::syncHeader() {
    const QString title = currentPage() ? currentPage()->windowTitle() : QString();
    const bool canGoBack = !state_.path().empty();
    title_->setText(title);
    back_->setVisible(canGoBack);
    escapeBack_->setEnabled(canGoBack);
    header_->setVisible(canGoBack || !title.isEmpty());
}

void MacRootView::syncSidebar() {
    QSignalBlocker block(sidebar_);
    const auto& section = state_.section();
    if (!section) {
        sidebar_->clearSelection();
        sidebar_->setCurrentItem(nullptr);
        return;
    }
    for (std::size_t row = 0; row < allSections.size(); ++row)
        if (allSections[row] == *section) sidebar_->setCurrentRow(static_cast<int>(row));
}

void MacRootView::restyle() {
    const Palette& palette = context_.palette();
    for (std::size_t row = 0; row < allSections.size(); ++row) {
        const auto symbol = symbolNamed(symbolName(allSections[row]));
        if (!symbol) continue;
        // On the selected row the symbol takes the selection's text colour, which reads on the highlight.
        QIcon icon = symbolIcon(*symbol, sidebarSymbolSize, palette.accent);
        icon.addPixmap(
            symbolPixmap(*symbol, sidebarSymbolSize, sidebar_->palette().color(QPalette::HighlightedText),
                         FontWeight::regular, devicePixelRatioF()),
            QIcon::Selected);
        sidebar_->item(static_cast<int>(row))->setIcon(icon);
    }
    back_->setTextColor(palette.accent);
    setTextColor(title_, palette.text);
    QPalette headerPalette = header_->palette();
    headerPalette.setColor(QPalette::Window, palette.feltDark);
    header_->setPalette(headerPalette);
    header_->setAutoFillBackground(true);
}

void MacRootView::onRequestedSection() {
    if (!navigation_.requestedSection()) return;
    const Section section = *navigation_.requestedSection();
    if (!navigationHeld()) {
        state_.request(section);
        sync();
    }
    navigation_.setRequestedSection(std::nullopt);
}

void MacRootView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_ || event->spontaneous()) return;
    shown_ = true;
    QTimer::singleShot(0, this, [this] {
        syncOnboarding();
        offerResume();
    });
}

void MacRootView::offerResume() {
    resumable_ = app::offerResume(state_.isPlaying(), session_, snapshots_);
    presentResumeAlert();
}

void MacRootView::presentResumeAlert() {
    // One window-modal dialog at a time: the question waits until the onboarding sheet has closed.
    if (!resumable_ || alert_ || sheet_) return;
    alert_ = Question::make(this, qtext(resumeAlertTitle), qtext(resumeAlertMessage(resumable_->mode)));
    QPushButton* resumeButton = alert_->addButton(qtext(resumeButtonTitle), QMessageBox::AcceptRole);
    QPushButton* freshButton = alert_->addButton(qtext(startFreshButtonTitle), QMessageBox::RejectRole);
    alert_->setDefaultButton(resumeButton);
    alert_->setEscapeButton(freshButton);
    connect(alert_, &QMessageBox::finished, this, [this, resumeButton] {
        const bool resuming = alert_->clickedButton() == resumeButton;
        alert_->deleteLater();
        alert_ = nullptr;
        const std::optional<SessionSnapshot> offered = std::exchange(resumable_, std::nullopt);
        if (resuming && offered) resume(*offered);
    });
    alert_->open();
}

void MacRootView::resume(const SessionSnapshot& snapshot) {
    session_.restore(snapshot);
    resumable_.reset();
    // The session refuses a snapshot it could not play on; then there is no game to show.
    if (!session_.table()) return;
    emit resumed();
    state_.resume();
    sync();
}

void MacRootView::syncOnboarding() {
    if (!settings_.hasOnboarded.get()) {
        if (sheet_ || !shown_) return;
        sheet_ = new OnboardingSheet(
            context_,
            [this] {
                settings_.hasOnboarded.set(true);
                settings_.save();
            },
            this);
        sheet_->open();
        return;
    }
    finishOnboarding();
}

void MacRootView::finishOnboarding() {
    if (!sheet_) return;
    sheet_->finish();
    sheet_->deleteLater();
    sheet_ = nullptr;
    presentResumeAlert();
}

}  // namespace pellox::app
