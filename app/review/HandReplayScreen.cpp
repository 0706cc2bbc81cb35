#include "review/HandReplayScreen.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/KeyedTimer.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/SliderValueText.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextColor.hpp"
#include "review/ReplayBoardPanel.hpp"
#include "review/ReplayCaptionPanel.hpp"
#include "review/ReplayGuideCallout.hpp"
#include "review/ReplaySeatRow.hpp"
#include "store/HandRecord.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "view/ReplayView.hpp"

namespace pellox::app {
namespace {

// The motion of a step taken by a button, and of one taken by autoplay.
constexpr Spring buttonMotion{0.2, 0.85};
constexpr Spring autoplayMotion{0.25, 0.85};

constexpr int screenPadding = 16;
constexpr int sectionSpacing = 16;
constexpr int seatSpacing = 4;
constexpr int transportSpacing = 8;
constexpr int buttonSpacing = 24;
constexpr QSize buttonFace{28, 28};
constexpr qreal symbolSize = 17;
constexpr std::array transportOrder{TransportButton::first, TransportButton::previous,
                                    TransportButton::playPause, TransportButton::next, TransportButton::last};

std::int64_t startingStep(const std::vector<std::int64_t>& steps, bool midHand) {
    if (!midHand || steps.empty()) return 0;
    return static_cast<std::int64_t>(steps.size() - 1) / 2;
}

}  // namespace

HandReplayScreen::HandReplayScreen(AppContext& context, const HandRecord& record, bool startsMidHand,
                                   QWidget* parent)
    : QWidget(parent),
      context_(context),
      record_(std::make_unique<HandRecord>(record)),
      steps_(stepEventIndices(record)),
      cursor_(static_cast<std::int64_t>(steps_.size()), startingStep(steps_, startsMidHand)),
      board_(new ReplayBoardPanel(context)),
      caption_(new ReplayCaptionPanel(context)),
      callout_(new ReplayGuideCallout(context)),
      autoplay_(new KeyedTimer(this)) {
    setWindowTitle(QStringLiteral("Hand %1").arg(record.handNumber));

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(screenPadding, screenPadding, screenPadding, screenPadding);
    column->setSpacing(sectionSpacing);
    column->addWidget(board_);
    auto* seatColumn = new QVBoxLayout;
    seatColumn->setSpacing(seatSpacing);
    for (std::size_t i = 0; i < record.seats.size(); ++i) {
        seats_.push_back(new ReplaySeatRow(context));
        seatColumn->addWidget(seats_.back());
    }
    column->addLayout(seatColumn);
    column->addWidget(caption_);
    column->addWidget(callout_);
    column->addWidget(buildTransport());
    column->addStretch(1);

    QScrollArea* scroll = makeScrollPage(this, content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    connect(&context_, &AppContext::paletteChanged, this, [this] {
        refreshTransport();
        update();
    });
    showFrame(std::nullopt);
}

HandReplayScreen::~HandReplayScreen() = default;

QWidget* HandReplayScreen::buildTransport() {
    auto* transport = new QWidget;
    auto* layout = new QVBoxLayout(transport);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(transportSpacing);

    slider_ = new QSlider(Qt::Horizontal, transport);
    setAccessibleValueText(slider_, cursor_.stepText());
    slider_->setAccessibleName(QStringLiteral("Replay position"));
    slider_->setRange(0, static_cast<int>(cursor_.sliderMaximum()));
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    connect(slider_, &QSlider::valueChanged, this, &HandReplayScreen::moveSlider);
    layout->addWidget(slider_);

    auto* row = new QHBoxLayout;
    row->setSpacing(buttonSpacing);
    row->addStretch(1);
    for (std::size_t i = 0; i < transportOrder.size(); ++i) {
        const TransportButton kind = transportOrder[i];
        auto* button = new HoverButton(context_, QString(), transport);
        button->setShape(HoverButton::Shape::none);
        button->setFaceSize(buttonFace);
        button->setPadding({});
        connect(button, &QAbstractButton::clicked, this, [this, kind] { press(kind); });
        buttons_[i] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    layout->addLayout(row);

    stepLabel_ = new QLabel(transport);
    stepLabel_->setFont(scaledFont(11, FontWeight::semibold));
    stepLabel_->setAlignment(Qt::AlignCenter);
    layout->addWidget(stepLabel_);
    return transport;
}

HoverButton* HandReplayScreen::transportButton(TransportButton button) const {
    return buttons_[static_cast<std::size_t>(button)];
}

ReplaySeatRow* HandReplayScreen::seatRow(std::size_t index) const {
    return index < seats_.size() ? seats_[index] : nullptr;
}

ReplayView HandReplayScreen::currentView() const {
    if (steps_.empty()) return ReplayView(*record_, 0);
    const auto k = std::min<std::int64_t>(static_cast<std::int64_t>(steps_.size()) - 1, cursor_.cursor());
    return ReplayView(*record_, steps_[static_cast<std::size_t>(k)]);
}

std::optional<GradedDecision> HandReplayScreen::currentDecision() const {
    const auto index = currentView().gradeIndex;
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= record_->grades.size())
        return std::nullopt;
    return record_->grades[static_cast<std::size_t>(*index)];
}

void HandReplayScreen::press(TransportButton button) {
    const bool wasPlaying = cursor_.isPlaying();
    cursor_.press(button);
    if (cursor_.isPlaying() != wasPlaying) restartAutoplay();
    showFrame(buttonMotion);
}

void HandReplayScreen::moveSlider(int value) {
    cursor_.moveSlider(value);
    showFrame(std::nullopt);
}

void HandReplayScreen::restartAutoplay() {
    autoplay_->cancel();
    if (cursor_.autoplayShouldWait())
        autoplay_->schedule(ReplayCursor::autoplaySeconds, [this] { autoplayStep(); });
}

void HandReplayScreen::autoplayStep() {
    const bool moved = cursor_.autoplayAdvance();
    if (cursor_.autoplayShouldWait())
        autoplay_->schedule(ReplayCursor::autoplaySeconds, [this] { autoplayStep(); });
    showFrame(moved ? std::optional(autoplayMotion) : std::nullopt);
}

bool HandReplayScreen::runAutoplayStepNow() {
    return autoplay_->runPendingNow();
}

bool HandReplayScreen::isAutoplayPending() const {
    return autoplay_->isPending();
}

void HandReplayScreen::showFrame(std::optional<Spring> motion) {
    const ReplayView frame = currentView();
    board_->setFrame(frame.board, frame.potSize, motion);
    for (std::size_t i = 0; i < seats_.size() && i < frame.seats.size(); ++i)
        seats_[i]->setSeat(frame.seats[i], motion);
    caption_->setText(QString::fromStdString(frame.caption));
    const auto decision = currentDecision();
    callout_->setDecision(decision ? &*decision : nullptr, motion);
    refreshTransport();
}

void HandReplayScreen::refreshTransport() {
    const Palette& palette = context_.palette();
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(static_cast<int>(cursor_.cursor()));
    }
    QPalette sliderColors = slider_->palette();
    sliderColors.setColor(QPalette::Highlight, palette.accent);
    slider_->setPalette(sliderColors);
    const QString step = cursor_.stepText();
    setAccessibleValueText(slider_, step);
    stepLabel_->setText(step);
    setTextColor(stepLabel_, palette.textMuted);

    for (std::size_t i = 0; i < transportOrder.size(); ++i) {
        const TransportButton kind = transportOrder[i];
        HoverButton* button = buttons_[i];
        const bool enabled = cursor_.isEnabled(kind);
        const bool playing = cursor_.isPlaying();
        button->setEnabled(enabled);
        button->setSymbol(symbolNamed(transportSymbolName(kind, playing)), symbolSize, FontWeight::bold);
        button->setTextColor(enabled ? palette.accent : palette.textMuted);
        button->setAccessibleName(transportLabel(kind, playing));
    }
}

void HandReplayScreen::hideEvent(QHideEvent* event) {
    // A replay that is left stops playing.
    if (cursor_.isPlaying()) press(TransportButton::playPause);
    QWidget::hideEvent(event);
}

void HandReplayScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
