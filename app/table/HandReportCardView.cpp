#include "table/HandReportCardView.hpp"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "kit/AnimatedNumber.hpp"
#include "kit/Fonts.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Painting.hpp"
#include "kit/Spring.hpp"
#include "kit/TextBlock.hpp"
#include "table/BadgeView.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "view/HandReport.hpp"

namespace pellox::app {

namespace {

constexpr int rowSpacing = 8;

constexpr int itemSpacing = 8;
constexpr int resultLines = 2;
constexpr int explanationLines = 2;
constexpr int misstepSpacing = 2;
constexpr int hintExtraSpace = 2;
constexpr int minimumResultGap = 4;
// The card's spring, keyed on the report being shown: the net result counts to a new report's along it.
constexpr Spring netSpring{0.25, 0.85};

TextBlock* text(QWidget* parent, const QFont& font, int maxLines) {
    auto* block = new TextBlock({}, parent);
    block->setTextFont(font);
    block->setMaximumLines(maxLines);
    return block;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

HandReportCardView::HandReportCardView(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    build();
    netCount_ = new AnimatedNumber(0, this);
    connect(netCount_, &AnimatedNumber::valueChanged, this, &HandReportCardView::showNet);
    connect(&context_, &AppContext::paletteChanged, this, &HandReportCardView::apply);
    setCursor(Qt::PointingHandCursor);
}

void HandReportCardView::build() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(sidePanelCardPadding, sidePanelCardPadding, sidePanelCardPadding,
                               sidePanelCardPadding);
    column->setSpacing(rowSpacing);

    auto* resultRow = new QHBoxLayout;
    resultRow->setSpacing(itemSpacing);
    result_ = text(this, fixedFont(15, FontWeight::bold), resultLines);
    net_ = text(this, fixedFont(17, FontWeight::heavy, FontDesign::rounded), 1);
    net_->setAlignment(Qt::AlignRight);
    net_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    resultRow->addWidget(result_, 1, Qt::AlignTop);
    resultRow->addSpacing(minimumResultGap);
    resultRow->addWidget(net_, 0, Qt::AlignTop);
    column->addLayout(resultRow);

    gradeRow_ = new QWidget(this);
    auto* grade = new QHBoxLayout(gradeRow_);
    grade->setContentsMargins(0, 0, 0, 0);
    grade->setSpacing(itemSpacing);
    grade_ = new BadgeView(
        {QFont(), fixedFont(13, FontWeight::black, FontDesign::rounded), 0, QMargins(8, 2, 8, 2)}, gradeRow_);
    gradeText_ = text(gradeRow_, fixedFont(13, FontWeight::semibold), 1);
    grade->addWidget(grade_, 0, Qt::AlignVCenter);
    grade->addWidget(gradeText_, 1, Qt::AlignVCenter);
    column->addWidget(gradeRow_);

    misstepBlock_ = new QWidget(this);
    auto* misstep = new QVBoxLayout(misstepBlock_);
    misstep->setContentsMargins(0, 0, 0, 0);
    misstep->setSpacing(misstepSpacing);
    misstep_ = text(misstepBlock_, fixedFont(13, FontWeight::bold), 0);
    explanation_ = text(misstepBlock_, fixedFont(12), explanationLines);
    misstep->addWidget(misstep_);
    misstep->addWidget(explanation_);
    column->addWidget(misstepBlock_);

    hintRow_ = new QWidget(this);
    auto* hint = new QVBoxLayout(hintRow_);
    hint->setContentsMargins(0, hintExtraSpace, 0, 0);
    hint_ = text(hintRow_, fixedFont(11, FontWeight::semibold), 1);
    hint_->setAlignment(Qt::AlignHCenter);
    hint->addWidget(hint_);
    column->addWidget(hintRow_);
}

void HandReportCardView::setReport(const HandReport& report, bool guideEnabled, bool showsContinueHint) {
    model_ = HandReportCardModel::make(report, guideEnabled, showsContinueHint);
    // A card coming on screen shows its amount; one on screen counts to the new amount.
    const auto net = static_cast<double>(report.netChips);
    if (hasReport_ && isVisible() && net != netCount_->target())
        netCount_->animateTo(net, netSpring, context_);
    else if (net != netCount_->target() || !hasReport_)
        netCount_->jumpTo(net);
    hasReport_ = true;
    apply();
}

// Whole chips between the old amount and the new.
void HandReportCardView::showNet() {
    net_->setText(moneyText(std::llround(netCount_->boundedValue()), MoneySign::awayFromZero));
    net_->updateGeometry();
}

void HandReportCardView::apply() {
    const Palette& p = context_.palette();
    result_->setText(q(model_.resultLine));
    result_->setColor(p.text);
    showNet();
    net_->setColor(color(model_.netColor, p));
    net_->setAccessibleName(q(model_.netAccessibility));

    const bool graded = model_.gradeRow.has_value();
    gradeRow_->setVisible(graded || model_.ungradedText.has_value());
    grade_->setVisible(graded);
    if (graded) {
        grade_->setContent({}, q(model_.gradeRow->letter), color(model_.gradeRow->tint, p));
        gradeText_->setText(q(model_.gradeRow->agreement));
    } else {
        gradeText_->setText(q(model_.ungradedText.value_or("")));
    }
    gradeText_->setColor(p.textMuted);

    misstepBlock_->setVisible(model_.misstep.has_value());
    if (model_.misstep) {
        misstep_->setText(q(model_.misstep->sentence));
        explanation_->setText(q(model_.misstep->explanation));
    }
    misstep_->setColor(p.danger);
    explanation_->setColor(p.textMuted);

    hintRow_->setVisible(model_.continueHint.has_value());
    hint_->setText(q(model_.continueHint.value_or("")));
    hint_->setColor(p.textMuted);
    update();
}

void HandReportCardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Palette& p = context_.palette();
    paintSidePanelCard(painter, rect(), p, withOpacity(color(model_.borderColor, p), model_.borderOpacity));
}

void HandReportCardView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HandReportCardView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace pellox::app
