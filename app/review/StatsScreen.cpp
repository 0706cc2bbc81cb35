#include "review/StatsScreen.hpp"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "kit/AnimatedNumber.hpp"
#include "kit/Fonts.hpp"
#include "kit/RefreshCoalescer.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/Spring.hpp"
#include "kit/TextColor.hpp"
#include "review/AccuracyBar.hpp"
#include "review/RecentHandsChartView.hpp"
#include "review/StatsCard.hpp"
#include "review/StatsScreenModel.hpp"
#include "store/StatsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

// The figure's count to a new accuracy: the screens' default spring.
constexpr Spring accuracyCount{};

constexpr int screenPadding = 24;
constexpr int cardSpacing = 24;
constexpr int emptyStateSpacing = 8;
constexpr int figureSpacing = 2;
constexpr int tileSpacing = 24;
constexpr int rowSpacing = 8;
constexpr int breakdownLabelWidth = 108;
constexpr int breakdownPercentWidth = 46;
constexpr double titleTracking = 1.5;

QLabel* textLabel(const QString& text, const QFont& font, const QColor& color) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextColor(label, color);
    return label;
}

QLabel* wrappedLabel(const QString& text, const QFont& font, const QColor& color) {
    QLabel* label = textLabel(text, font, color);
    label->setWordWrap(true);
    return label;
}

QLabel* sectionTitle(const QString& title, const Palette& palette) {
    return textLabel(title, withTracking(scaledFont(12, FontWeight::heavy), titleTracking),
                     palette.textMuted);
}

StatsCard* titledCard(const AppContext& context, const QString& title) {
    auto* card = new StatsCard(context);
    card->content()->addWidget(sectionTitle(title, context.palette()));
    return card;
}

QHBoxLayout* rowLine(QWidget* row) {
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(rowSpacing);
    return line;
}

// A name at the left, its figures at the right.
QWidget* namedRow(const QString& name, std::initializer_list<QLabel*> figures, const Palette& palette) {
    auto* row = new QWidget;
    QHBoxLayout* line = rowLine(row);
    line->addWidget(textLabel(name, scaledFont(14, FontWeight::semibold), palette.text));
    line->addStretch(1);
    for (QLabel* figure : figures)
        line->addWidget(figure);
    return row;
}

QWidget* emptyState(const Palette& palette) {
    auto* state = new QWidget;
    auto* column = new QVBoxLayout(state);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(emptyStateSpacing);
    column->addWidget(
        textLabel(QStringLiteral("Nothing graded yet"), scaledFont(20, FontWeight::heavy), palette.text));
    column->addWidget(
        wrappedLabel(QStringLiteral("Play a hand with the guide set to Show advice or Test yourself, "
                                    "and your decisions start being scored against it."),
                     scaledFont(15), palette.textMuted));
    return state;
}

// The accuracy figure over its caption, then the letter grade standing on the figure's baseline.
QLayout* accuracyRow(const StatsScreenModel& model, const Palette& palette) {
    auto* row = new QHBoxLayout;
    auto* figure = new QVBoxLayout;
    figure->setSpacing(figureSpacing);
    const QFont figureFont = scaledFont(44, FontWeight::black, FontDesign::rounded);
    QLabel* accuracy = textLabel(model.accuracyText, figureFont, palette.accent);
    accuracy->setObjectName(QStringLiteral("accuracy"));
    figure->addWidget(accuracy);
    figure->addWidget(textLabel(QStringLiteral("matched the guide"), scaledFont(13, FontWeight::semibold),
                                palette.textMuted));
    row->addLayout(figure);
    row->addStretch(1);
    if (model.letterGrade) {
        const QFont gradeFont = scaledFont(32, FontWeight::black, FontDesign::rounded);
        QLabel* grade = textLabel(*model.letterGrade, gradeFont, palette.text);
        grade->setObjectName(QStringLiteral("grade"));
        const int baselineOffset = QFontMetrics(figureFont).ascent() - QFontMetrics(gradeFont).ascent();
        grade->setContentsMargins(0, std::max(0, baselineOffset), 0, 0);
        row->addWidget(grade, 0, Qt::AlignTop);
    }
    return row;
}

QLayout* countTiles(const StatsScreenModel& model, const Palette& palette) {
    auto* tiles = new QHBoxLayout;
    tiles->setSpacing(tileSpacing);
    for (const CountTile& tile : model.countTiles) {
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        QLabel* value =
            textLabel(tile.value, scaledFont(18, FontWeight::heavy, FontDesign::rounded), palette.text);
        value->setObjectName(tile.label);
        column->addWidget(value);
        column->addWidget(textLabel(tile.label, scaledFont(11, FontWeight::semibold), palette.textMuted));
        tiles->addLayout(column);
    }
    tiles->addStretch(1);
    return tiles;
}

QWidget* breakdownRow(const AppContext& context, const BreakdownRow& data) {
    const Palette& palette = context.palette();
    auto* row = new QWidget;
    row->setAccessibleName(data.accessibleText());
    QHBoxLayout* line = rowLine(row);
    QLabel* label = textLabel(data.label, scaledFont(14, FontWeight::semibold), palette.text);
    label->setFixedWidth(textScaledWidth(breakdownLabelWidth));
    label->setWordWrap(true);  // a long position name takes a second line rather than being cut
    line->addWidget(label);
    line->addWidget(new AccuracyBar(context, data), 1, Qt::AlignVCenter);
    QLabel* percent =
        textLabel(data.percentText(), scaledFont(13, FontWeight::bold, FontDesign::rounded), palette.text);
    percent->setFixedWidth(textScaledWidth(breakdownPercentWidth));
    percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    line->addWidget(percent);
    return row;
}

StatsCard* breakdownSection(const AppContext& context, const QString& title,
                            const std::vector<BreakdownRow>& rows) {
    StatsCard* card = titledCard(context, title);
    for (const BreakdownRow& row : rows)
        card->content()->addWidget(breakdownRow(context, row));
    return card;
}

QWidget* leakRow(const LeakRow& leak, const Palette& palette) {
    return namedRow(leak.name,
                    {textLabel(leak.percentText, scaledFont(14, FontWeight::heavy, FontDesign::rounded),
                               accuracyColor(leak.accuracy, palette)),
                     textLabel(leak.gradedText, scaledFont(12), palette.textMuted)},
                    palette);
}

StatsCard* leaksSection(const AppContext& context, const StatsScreenModel& model) {
    const Palette& palette = context.palette();
    StatsCard* card = titledCard(context, QStringLiteral("LEAKS"));
    card->setObjectName(QStringLiteral("leaks"));
    if (model.leakRows.empty())
        card->content()->addWidget(
            wrappedLabel(StatsScreenModel::noLeaksText(), scaledFont(13), palette.textMuted));
    for (const LeakRow& leak : model.leakRows)
        card->content()->addWidget(leakRow(leak, palette));
    return card;
}

QWidget* netChipsRow(const NetChipsRow& data, const Palette& palette) {
    return namedRow(data.mode,
                    {textLabel(data.amountText(), scaledFont(15, FontWeight::heavy, FontDesign::rounded),
                               data.color(palette))},
                    palette);
}

StatsCard* netChipsSection(const AppContext& context, const StatsScreenModel& model) {
    StatsCard* card = titledCard(context, QStringLiteral("NET CHIPS"));
    for (const NetChipsRow& row : model.netChipsRows)
        card->content()->addWidget(netChipsRow(row, context.palette()));
    return card;
}

StatsCard* summaryCard(const AppContext& context, const StatsScreenModel& model) {
    auto* card = new StatsCard(context);
    card->content()->addLayout(accuracyRow(model, context.palette()));
    card->content()->addLayout(countTiles(model, context.palette()));
    return card;
}

StatsCard* recentHandsCard(const AppContext& context, const TrainingStats& stats) {
    const Palette& palette = context.palette();
    StatsCard* card = titledCard(context, QStringLiteral("RECENT HANDS"));
    card->setObjectName(QStringLiteral("recentHands"));
    const RecentHandsChartModel chart(stats);
    card->content()->addWidget(new RecentHandsChartView(context, chart));
    card->content()->addWidget(wrappedLabel(chart.caption(), scaledFont(12), palette.textMuted));
    return card;
}

QWidget* content(const AppContext& context, const TrainingStats& stats) {
    const StatsScreenModel model(stats);
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(screenPadding, screenPadding, screenPadding, screenPadding);
    column->setSpacing(cardSpacing);
    if (model.empty) {
        column->addWidget(emptyState(context.palette()));
    } else {
        column->addWidget(summaryCard(context, model));
        if (model.showsChart) column->addWidget(recentHandsCard(context, stats));
        column->addWidget(breakdownSection(context, QStringLiteral("BY STREET"), model.streetRows));
        column->addWidget(breakdownSection(context, QStringLiteral("BY POSITION"), model.positionRows));
        column->addWidget(leaksSection(context, model));
        column->addWidget(netChipsSection(context, model));
    }
    column->addStretch(1);
    return page;
}

}  // namespace

StatsScreen::StatsScreen(AppContext& context, StatsStore& stats, bool startsAtLeaks, QWidget* parent)
    : QWidget(parent),
      context_(context),
      stats_(stats),
      startsAtLeaks_(startsAtLeaks),
      scroll_(makeScrollPage(this, nullptr, QStringLiteral("Stats"))),
      refresh_(new RefreshCoalescer([this] { rebuild(); }, this)),
      accuracy_(new AnimatedNumber(0, this)) {
    setWindowTitle(QStringLiteral("Stats"));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll_);
    statsChanged_ =
        stats_.subscribe(StatsStore::Property::stats, [this](std::string_view) { refresh_->notify(); });
    connect(&context_, &AppContext::paletteChanged, refresh_, &RefreshCoalescer::notify);
    connect(accuracy_, &AnimatedNumber::valueChanged, this, &StatsScreen::showCountedAccuracy);
    rebuild();
}

StatsScreen::~StatsScreen() = default;

void StatsScreen::rebuild() {
    const int offset = scroll_->verticalScrollBar()->value();
    QWidget* page = content(context_, stats_.stats());
    setScrollPageContent(scroll_, page);
    page->layout()->activate();
    scroll_->verticalScrollBar()->setValue(offset);
    accuracyFigure_ = page->findChild<QLabel*>(QStringLiteral("accuracy"));
    countAccuracy();
    update();
}

// A new lifetime accuracy counts from the one shown; the first one shown is there at once.
void StatsScreen::countAccuracy() {
    const std::optional<double> accuracy = stats_.stats().overallAccuracy();
    if (accuracy && accuracyShown_)
        accuracy_->animateTo(*accuracy, accuracyCount, context_);
    else if (accuracy)
        accuracy_->jumpTo(*accuracy);
    accuracyShown_ = accuracy.has_value();
    if (accuracy_->isRunning()) showCountedAccuracy();
}

void StatsScreen::showCountedAccuracy() {
    if (accuracyFigure_ && accuracyShown_) accuracyFigure_->setText(percentOrDash(accuracy_->boundedValue()));
}

void StatsScreen::scrollToLeaks() {
    auto* leaks =
        scroll_->widget() ? scroll_->widget()->findChild<QWidget*>(QStringLiteral("leaks")) : nullptr;
    if (!leaks) return;
    const int centre = leaks->y() + leaks->height() / 2;
    scroll_->verticalScrollBar()->setValue(centre - scroll_->viewport()->height() / 2);
}

void StatsScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once the page has its size: a card's place is known only after the layout ran.
    if (startsAtLeaks_ && !event->spontaneous()) QTimer::singleShot(0, this, &StatsScreen::scrollToLeaks);
}

void StatsScreen::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
