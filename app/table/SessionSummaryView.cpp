#include "table/SessionSummaryView.hpp"

#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Painting.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/TextBlock.hpp"
#include "rules/GameMode.hpp"
#include "session/SessionSummary.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int maximumCardWidth = 420;

constexpr int cardPadding = 24;
constexpr int sectionSpacing = 24;
constexpr int headerSpacing = 2;
constexpr int accuracySpacing = 4;
constexpr int ringSize = 96;
constexpr qreal ringLineWidth = 3;
constexpr int tileSpacing = 16;
constexpr int tilePadding = 16;
constexpr int tileTextSpacing = 2;
constexpr int weakestPadding = 16;
constexpr qreal weakestStrokeOpacity = 0.6;
constexpr int buttonSpacing = 8;
constexpr int buttonHeight = 34;
constexpr qreal cornerRadius = 12;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QVBoxLayout* column(QWidget* owner, int spacing, int padding = 0) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(spacing);
    return layout;
}

// A rounded panel behind its children: the tiles, the weakest street card.
class Panel : public QWidget {
  public:
    Panel(QColor fill, QColor stroke, QWidget* parent) : QWidget(parent), fill_(fill), stroke_(stroke) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        fillRoundedRect(painter, rect(), cornerRadius, fill_);
        strokeRoundedRectInside(painter, rect(), cornerRadius, stroke_);
    }

  private:
    QColor fill_, stroke_;
};

// The letter grade in a circle edged in the accuracy's colour.
class GradeRing : public QWidget {
  public:
    GradeRing(QString grade, QColor color, QColor fill, QWidget* parent)
        : QWidget(parent), grade_(std::move(grade)), color_(color), fill_(fill) {
        setFixedSize(textScaledHeight(ringSize), textScaledHeight(ringSize));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill_);
        painter.drawEllipse(rect());
        strokeEllipseInside(painter, rect(), color_, ringLineWidth);
        painter.setFont(scaledFont(40, FontWeight::black, FontDesign::rounded));
        painter.setPen(color_);
        painter.drawText(rect(), Qt::AlignCenter, grade_);
    }

  private:
    QString grade_;
    QColor color_, fill_;
};

}  // namespace

SessionSummaryView::SessionSummaryView(const AppContext& context, const SessionSummary& summary,
                                       GameMode mode, GuideMode guide, std::function<void()> onPlayAgain,
                                       std::function<void()> onMainMenu, QWidget* parent)
    : QWidget(parent),
      context_(context),
      model_(SessionSummaryModel::make(summary, mode, guide, QLocale())),
      onPlayAgain_(std::move(onPlayAgain)),
      onMainMenu_(std::move(onMainMenu)) {
    setMinimumSize(idealWidth, idealHeight);
    build();
    connect(&context_, &AppContext::paletteChanged, this, &SessionSummaryView::build);
}

SessionSummaryView::~SessionSummaryView() = default;

TextBlock* SessionSummaryView::text(QWidget* parent, const QString& value, const QFont& font,
                                    const QColor& color, Qt::Alignment alignment) {
    auto* block = new TextBlock(value, parent);
    block->setTextFont(font);
    block->setColor(color);
    block->setAlignment(alignment);
    return block;
}

// Built anew on a palette change: every colour is chosen once, here.
void SessionSummaryView::build() {
    delete layout();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    auto* outer = column(this, 0);
    scrollContent_ = new QWidget;
    auto* centring = new QHBoxLayout(scrollContent_);
    centring->setContentsMargins(0, 0, 0, 0);
    auto* card = new QWidget(scrollContent_);
    card->setMaximumWidth(textScaledWidth(maximumCardWidth));
    auto* sections = column(card, sectionSpacing, cardPadding);
    sections->addWidget(header(card));
    sections->addWidget(accuracy(card));
    sections->addWidget(tiles(card));
    if (model_.weakestStreetLine) sections->addWidget(weakestStreet(card));
    sections->addWidget(buttons(card));
    sections->addStretch(1);
    // The card takes the width up to its maximum; the two stretches share what is left and centre it.
    card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    centring->addStretch(1);
    centring->addWidget(card, 1000);
    centring->addStretch(1);
    // No name: the scroll area is no stop. The sheet's default: Return plays again and Tab goes on to the
    // main menu.
    outer->addWidget(makeScrollPage(this, scrollContent_));
    playAgain_->setFocus(Qt::OtherFocusReason);
    update();
}

QWidget* SessionSummaryView::header(QWidget* parent) {
    const Palette& p = context_.palette();
    auto* box = new QWidget(parent);
    auto* layout = column(box, headerSpacing);
    layout->addWidget(text(box, tr("Session Summary"), scaledFont(22, FontWeight::heavy), p.text));
    layout->addWidget(text(box, q(model_.modeText), scaledFont(13, FontWeight::semibold), p.textMuted));
    return box;
}

QWidget* SessionSummaryView::accuracy(QWidget* parent) {
    const Palette& p = context_.palette();
    auto* box = new QWidget(parent);
    auto* layout = column(box, accuracySpacing);
    if (!model_.accuracy) {
        layout->addWidget(text(box, tr("No decisions graded"), scaledFont(17, FontWeight::bold), p.text));
        layout->addWidget(text(box, q(model_.noGradesHint), scaledFont(13), p.textMuted));
        return box;
    }
    const SummaryAccuracy& a = *model_.accuracy;
    const QColor tint = color(a.color, p);
    layout->addWidget(new GradeRing(q(a.grade), tint, p.panel, box), 0, Qt::AlignHCenter);
    auto* matched = text(box, q(a.matchedText), scaledFont(15, FontWeight::bold), p.text);
    auto* decisions = text(box, q(a.decisionsText), scaledFont(13), p.textMuted);
    layout->addWidget(matched);
    layout->addWidget(decisions);
    matched->setSilent(true);
    decisions->setSilent(true);
    // One element for a screen reader, its parts read in order.
    box->setAccessibleName(q(a.grade) + ", " + matched->text() + ", " + decisions->text());
    return box;
}

QWidget* SessionSummaryView::tiles(QWidget* parent) {
    const Palette& p = context_.palette();
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(tileSpacing);
    const auto tile = [&](const QString& value, const QColor& valueColor, const QString& caption) {
        auto* panel = new Panel(p.panel, p.border, row);
        auto* inner = column(panel, tileTextSpacing);
        inner->setContentsMargins(0, tilePadding, 0, tilePadding);
        auto* v = text(panel, value, scaledFont(22, FontWeight::heavy, FontDesign::rounded), valueColor);
        auto* c = text(panel, caption, scaledFont(12), p.textMuted);
        v->setSilent(true);
        c->setSilent(true);
        inner->addWidget(v);
        inner->addWidget(c);
        panel->setAccessibleName(value + ", " + caption);
        layout->addWidget(panel, 1);
    };
    tile(q(model_.handsValue), p.text, q(model_.handsCaption));
    tile(q(model_.netText), color(model_.netColor, p), tr("Net chips"));
    return row;
}

QWidget* SessionSummaryView::weakestStreet(QWidget* parent) {
    const Palette& p = context_.palette();
    auto* panel = new Panel(p.accentSoft, withOpacity(p.accent, weakestStrokeOpacity), parent);
    auto* layout = column(panel, tileTextSpacing, weakestPadding);
    auto* title =
        text(panel, tr("Weakest street"), scaledFont(12, FontWeight::bold), p.accent, Qt::AlignLeft);
    auto* line = text(panel, q(*model_.weakestStreetLine), scaledFont(14, FontWeight::semibold), p.text,
                      Qt::AlignLeft);
    title->setSilent(true);
    line->setSilent(true);
    layout->addWidget(title);
    layout->addWidget(line);
    panel->setAccessibleName(title->text() + ", " + line->text());
    return panel;
}

QWidget* SessionSummaryView::buttons(QWidget* parent) {
    const Palette& p = context_.palette();
    auto* box = new QWidget(parent);
    auto* layout = column(box, buttonSpacing);
    const auto button = [&](const QString& label, FontWeight weight) {
        auto* b = new HoverButton(context_, label, box);
        b->setShape(HoverButton::Shape::roundedRect, cornerRadius);
        b->setTextFont(scaledFont(17, weight));
        b->setFixedHeight(textScaledHeight(buttonHeight));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(b);
        return b;
    };
    playAgain_ = button(tr("Play again"), FontWeight::heavy);
    playAgain_->setFill(p.accent);
    playAgain_->setTextColor(p.onAccent);
    mainMenu_ = button(tr("Main menu"), FontWeight::bold);
    mainMenu_->setFill(p.panel);
    mainMenu_->setStroke(p.border, 1);
    mainMenu_->setTextColor(p.text);
    connect(playAgain_, &QAbstractButton::clicked, this, [this] {
        if (onPlayAgain_) onPlayAgain_();
    });
    connect(mainMenu_, &QAbstractButton::clicked, this, [this] {
        if (onMainMenu_) onMainMenu_();
    });
    return box;
}

QStringList SessionSummaryView::texts() const {
    QStringList out;
    for (const TextBlock* block : findChildren<TextBlock*>())
        out << block->text();
    return out;
}

void SessionSummaryView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
