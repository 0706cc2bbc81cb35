#include "review/HistoryScreen.hpp"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "kit/Fonts.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/TextColor.hpp"
#include "review/HistoryListAccessible.hpp"
#include "review/HistoryListModel.hpp"
#include "review/HistoryRowDelegate.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int pickerPaddingX = 16;
constexpr int pickerPaddingBottom = 8;
constexpr int pickerLabelSpacing = 8;

QStringList filterTitles() {
    QStringList titles;
    for (HistoryFilter filter : allCases<HistoryFilter>())
        titles << title(filter);
    return titles;
}

}  // namespace

HistoryScreen::HistoryScreen(AppContext& context, StatsStore& stats,
                             std::function<void(const std::string& recordId)> openRecord, QWidget* parent)
    : QWidget(parent),
      context_(context),
      openRecord_(std::move(openRecord)),
      model_(new HistoryListModel(stats, this)),
      pickerLabel_(new QLabel(QStringLiteral("Filter"), this)),
      picker_(new SegmentedControl(context, QStringLiteral("Filter"), filterTitles(), this)),
      list_(new QListView(this)) {
    setWindowTitle(QStringLiteral("History"));
    pickerLabel_->setFont(scaledFont(13));

    auto* pickerRow = new QHBoxLayout;
    pickerRow->setContentsMargins(pickerPaddingX, 0, pickerPaddingX, pickerPaddingBottom);
    pickerRow->setSpacing(pickerLabelSpacing);
    pickerRow->addWidget(pickerLabel_);
    pickerRow->addWidget(picker_, 1);

    list_->setModel(model_);
    list_->setItemDelegate(new HistoryRowDelegate(context, list_));
    list_->setFrameShape(QFrame::NoFrame);
    // Every record row has one height; the message row stands alone.
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFocusPolicy(Qt::StrongFocus);
    list_->setAccessibleName(QStringLiteral("History"));
    makeHistoryListAccessible(list_);
    list_->viewport()->setAutoFillBackground(false);
    list_->setAutoFillBackground(false);
    list_->setStyleSheet(QStringLiteral("QListView { background: transparent; }"));
    list_->viewport()->setCursor(Qt::PointingHandCursor);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(pickerRow);
    layout->addWidget(list_, 1);

    connect(picker_, &SegmentedControl::activated, this,
            [this](int index) { setFilter(allCases<HistoryFilter>()[static_cast<std::size_t>(index)]); });
    connect(list_, &QListView::clicked, this, &HistoryScreen::open);
    connect(list_, &QListView::activated, this, &HistoryScreen::open);
    connect(&context_, &AppContext::paletteChanged, this, &HistoryScreen::recolor);
    recolor();
}

HistoryScreen::~HistoryScreen() = default;

HistoryScreen::Filter HistoryScreen::filter() const {
    return model_->filter();
}

void HistoryScreen::setFilter(Filter filter) {
    model_->setFilter(filter);
    const auto cases = allCases<HistoryFilter>();
    picker_->setCurrentIndex(static_cast<int>(std::find(cases.begin(), cases.end(), filter) - cases.begin()));
}

void HistoryScreen::open(const QModelIndex& index) {
    const QVariant id = index.data(HistoryListModel::RecordIdRole);
    if (!id.isValid() || !openRecord_) return;
    openRecord_(id.toString().toStdString());
}

// The page given the keys hands them to its list, whose current row is the one last opened, so coming back
// from a replay finds it. (A focus proxy would take the filter out of the Tab order.)
void HistoryScreen::focusInEvent(QFocusEvent* event) {
    list_->setFocus(event->reason());
}

void HistoryScreen::recolor() {
    setTextColor(pickerLabel_, context_.palette().text);
    list_->viewport()->update();
    update();
}

void HistoryScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
