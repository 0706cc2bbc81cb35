#include "review/SettingsScreen.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "kit/ChoiceBoxAccessible.hpp"
#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/MoneyText.hpp"
#include "kit/Painting.hpp"
#include "kit/Question.hpp"
#include "kit/ScrollPage.hpp"
#include "kit/SegmentedControl.hpp"
#include "kit/Stepper.hpp"
#include "kit/TextColor.hpp"
#include "kit/ToggleSwitch.hpp"
#include "review/SettingsFormModel.hpp"
#include "review/SettingsLabels.hpp"
#include "store/SettingsRange.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr std::array toggledStreets{Street::preflop, Street::flop, Street::turn, Street::river};

constexpr int formMargin = 20;
constexpr int sectionSpacing = 22;
constexpr int sectionInnerSpacing = 6;
constexpr int boxPaddingX = 12;
constexpr int rowPaddingY = 7;
constexpr qreal boxRadius = 8;
constexpr int blockSpacing = 4;
constexpr int blockPaddingY = 2;
constexpr int formMaximumWidth = 720;
constexpr double bodySize = 13;
constexpr double headerSize = 13;
constexpr double footerSize = 11;
constexpr double footnoteSize = 10;

// A property of the settings written the way the form writes it: set, then saved.
template <typename T>
std::function<void(const T&)> savingBinding(SettingsStore& settings, Observed<T> SettingsStore::*property) {
    return [&settings, property](const T& value) {
        (settings.*property).set(value);
        settings.save();
    };
}

template <typename E>
QStringList labelsOf() {
    QStringList labels;
    for (E value : allCases<E>())
        labels << settingsLabel(value);
    return labels;
}

template <typename E>
int indexOf(E value) {
    const auto cases = allCases<E>();
    return static_cast<int>(std::find(cases.begin(), cases.end(), value) - cases.begin());
}

template <typename E>
E caseAt(int index) {
    return allCases<E>()[static_cast<std::size_t>(index)];
}

auto activatedSignal(SegmentedControl*) {
    return &SegmentedControl::activated;
}
auto activatedSignal(QComboBox*) {
    return qOverload<int>(&QComboBox::activated);
}

// A control bound to one setting: its edit becomes a saving write, and the returned refresher shows the
// setting's current value.
template <typename Picker, typename E>
std::function<void()> bindControl(QObject* owner, SettingsStore& settings, Picker* picker,
                                  Observed<E> SettingsStore::*setting) {
    QObject::connect(picker, activatedSignal(picker), owner,
                     [&settings, setting](int index) { savingBinding(settings, setting)(caseAt<E>(index)); });
    return [&settings, picker, setting] { picker->setCurrentIndex(indexOf((settings.*setting).get())); };
}

std::function<void()> bindControl(QObject* owner, SettingsStore& settings, ToggleSwitch* toggle,
                                  Observed<bool> SettingsStore::*setting) {
    QObject::connect(toggle, &QAbstractButton::clicked, owner,
                     [&settings, setting](bool on) { savingBinding(settings, setting)(on); });
    return [&settings, toggle, setting] { toggle->setChecked((settings.*setting).get()); };
}

// The rows of one section on a rounded box, with hairlines between them.
class FormBox : public QWidget {
  public:
    FormBox(const AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
        layout_ = new QVBoxLayout(this);
        layout_->setContentsMargins(boxPaddingX, 0, boxPaddingX, 0);
        layout_->setSpacing(0);
    }

    void addRow(QWidget* row) {
        auto* holder = new QWidget(this);
        auto* margins = new QVBoxLayout(holder);
        margins->setContentsMargins(0, rowPaddingY, 0, rowPaddingY);
        margins->addWidget(row);
        layout_->addWidget(holder);
        rows_.push_back(holder);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const Palette& palette = context_.palette();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        fillRoundedRect(painter, rect(), boxRadius, palette.seatEmpty);
        strokeRoundedRectInside(painter, rect(), boxRadius, palette.border, 1);
        painter.setPen(QPen(palette.seatEmpty, 1));
        for (std::size_t i = 1; i < rows_.size(); ++i) {
            const qreal y = rows_[i]->geometry().top() + 0.5;
            painter.drawLine(QPointF(boxPaddingX, y), QPointF(width() - boxPaddingX, y));
        }
    }

  private:
    const AppContext& context_;
    QVBoxLayout* layout_;
    std::vector<QWidget*> rows_;
};

}  // namespace

// --- The form

SettingsScreen::SettingsScreen(AppContext& context, SettingsStore& settings, StatsStore& stats,
                               QWidget* parent)
    : QWidget(parent), context_(context), settings_(settings), stats_(stats) {
    setWindowTitle(QStringLiteral("Settings"));
    setFont(scaledFont(bodySize));

    auto* content = new QWidget;
    content->setMaximumWidth(formMaximumWidth);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(formMargin, formMargin, formMargin, formMargin);
    column->setSpacing(sectionSpacing);
    for (QWidget* section : {buildGuideSection(), buildTableSection(), buildPlaySection(),
                             buildStakesSection(), buildDataSection()})
        column->addWidget(section);
    column->addStretch(1);

    auto* centring = new QWidget;
    auto* centringLayout = new QHBoxLayout(centring);
    centringLayout->setContentsMargins(0, 0, 0, 0);
    // The form grows with the window up to its widest and stays centred beyond.
    centringLayout->addStretch(1);
    centringLayout->addWidget(content, formMaximumWidth);
    centringLayout->addStretch(1);

    QScrollArea* scroll = makeScrollPage(this, centring);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    settingsSubscription_ = settings_.subscribe([this](std::string_view) { refresh(); });
    statsSubscription_ = stats_.subscribe([this](std::string_view) { refresh(); });
    connect(&context_, &AppContext::paletteChanged, this, &SettingsScreen::recolor);
    recolor();
    refresh();
}

SettingsScreen::~SettingsScreen() = default;

namespace {

QWidget* section(const QString& header, FormBox* box, const QString& footer, QWidget* parent,
                 QLabel** footerLabel = nullptr) {
    auto* widget = new QWidget(parent);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(sectionInnerSpacing);
    auto* title = new QLabel(header, widget);
    title->setFont(scaledFont(headerSize, FontWeight::semibold));
    title->setObjectName(QStringLiteral("sectionHeader"));
    layout->addWidget(title);
    box->setParent(widget);
    layout->addWidget(box);
    if (!footer.isNull()) {
        auto* note = new QLabel(footer, widget);
        note->setObjectName(QStringLiteral("muted"));
        note->setFont(scaledFont(footerSize));
        note->setWordWrap(true);
        note->setContentsMargins(boxPaddingX, 0, boxPaddingX, 0);
        layout->addWidget(note);
        if (footerLabel) *footerLabel = note;
    }
    return widget;
}

// A stepper offers what stored configurations are held to.
Stepper* rangedStepper(AppContext& context, Stepper::Title title, SettingsRange range, QWidget* parent) {
    return new Stepper(context, std::move(title), range.minimum, range.maximum, range.step, parent);
}

QWidget* labelledRow(const QString& label, QWidget* control, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(label, row);
    layout->addWidget(title);
    layout->addStretch(1);
    control->setParent(row);
    layout->addWidget(control);
    return row;
}

// A caption in the footnote font above a control whose own label stays hidden.
QWidget* captionedBlock(const QString& caption, QWidget* control, QWidget* parent) {
    auto* block = new QWidget(parent);
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, blockPaddingY, 0, blockPaddingY);
    layout->setSpacing(blockSpacing);
    auto* title = new QLabel(caption, block);
    title->setObjectName(QStringLiteral("muted"));
    title->setFont(scaledFont(footnoteSize));
    layout->addWidget(title);
    control->setParent(block);
    layout->addWidget(control);
    return block;
}

}  // namespace

QWidget* SettingsScreen::buildGuideSection() {
    auto* box = new FormBox(context_, this);
    guidePicker_ = new SegmentedControl(context_, QStringLiteral("Guide"), labelsOf<GuideMode>());
    refreshers_.push_back(bindControl(this, settings_, guidePicker_, &SettingsStore::guideMode));
    box->addRow(labelledRow(QStringLiteral("Guide"), guidePicker_, box));
    for (Street street : toggledStreets) {
        auto* toggle = new ToggleSwitch(context_, displayName(street), box);
        connect(toggle, &QAbstractButton::clicked, this,
                [this, street](bool on) { SettingsFormModel::setStreetToggle(settings_, street, on); });
        streetToggles_.push_back(toggle);
        box->addRow(toggle);
    }
    return section(QStringLiteral("Strategy Guide"), box, SettingsFormModel::guideFooter(GuideMode::show),
                   this, &guideFooter_);
}

QWidget* SettingsScreen::buildTableSection() {
    auto* box = new FormBox(context_, this);
    themePicker_ = new QComboBox;
    themePicker_->addItems(labelsOf<TableTheme>());
    themePicker_->setAccessibleName(QStringLiteral("Theme"));
    makeChoiceBoxAccessible(themePicker_);
    refreshers_.push_back(bindControl(this, settings_, themePicker_, &SettingsStore::tableTheme));
    box->addRow(labelledRow(QStringLiteral("Theme"), themePicker_, box));
    fourColor_ = new ToggleSwitch(context_, QStringLiteral("Four-colour deck"), box);
    refreshers_.push_back(bindControl(this, settings_, fourColor_, &SettingsStore::fourColorDeck));
    box->addRow(fourColor_);
    return section(QStringLiteral("Table"), box, QString(), this);
}

QWidget* SettingsScreen::buildPlaySection() {
    auto* box = new FormBox(context_, this);
    speedPicker_ = new SegmentedControl(context_, QStringLiteral("Speed"), labelsOf<GameSpeed>());
    refreshers_.push_back(bindControl(this, settings_, speedPicker_, &SettingsStore::gameSpeed));
    box->addRow(captionedBlock(QStringLiteral("Speed"), speedPicker_, box));
    skillPicker_ =
        new SegmentedControl(context_, QStringLiteral("Opponent skill"), labelsOf<BotDifficulty>());
    refreshers_.push_back(bindControl(this, settings_, skillPicker_, &SettingsStore::botDifficulty));
    box->addRow(captionedBlock(QStringLiteral("Opponent skill"), skillPicker_, box));
    sound_ = new ToggleSwitch(context_, QStringLiteral("Sound"), box);
    refreshers_.push_back(bindControl(this, settings_, sound_, &SettingsStore::soundEnabled));
    box->addRow(sound_);
    return section(
        QStringLiteral("Play"), box,
        QStringLiteral("Difficulty changes how well the bots read a spot, not just how wildly they bet. "
                       "Hard opponents respect pot odds and play position."),
        this);
}

QWidget* SettingsScreen::buildStakesSection() {
    namespace model = SettingsFormModel;
    auto* box = new FormBox(context_, this);
    bigBlind_ = rangedStepper(context_, &model::bigBlindTitle, SettingsRange::bigBlind, box);
    bigBlind_->setSubject(QStringLiteral("big blind"), [](std::int64_t value) { return moneyText(value); });
    connect(bigBlind_, &Stepper::valueEdited, this,
            [this](std::int64_t value) { model::setBigBlind(settings_, value); });
    box->addRow(bigBlind_);
    auto* buyInBlock = new QWidget(box);
    auto* buyInLayout = new QVBoxLayout(buyInBlock);
    buyInLayout->setContentsMargins(0, 0, 0, 0);
    buyInLayout->setSpacing(blockSpacing);
    buyIn_ = rangedStepper(context_, &model::buyInTitle, SettingsRange::buyIn, buyInBlock);
    buyIn_->setSubject(QStringLiteral("buy-in"), [](std::int64_t value) { return moneyText(value); });
    connect(buyIn_, &Stepper::valueEdited, this,
            [this](std::int64_t value) { model::setBuyIn(settings_, value); });
    ratio_ = new QLabel(buyInBlock);
    ratio_->setObjectName(QStringLiteral("muted"));
    ratio_->setFont(scaledFont(footnoteSize));
    buyInLayout->addWidget(buyIn_);
    buyInLayout->addWidget(ratio_);
    box->addRow(buyInBlock);
    tournamentStack_ =
        rangedStepper(context_, &model::tournamentStackTitle, SettingsRange::tournamentStack, box);
    tournamentStack_->setSubject(QStringLiteral("tournament stack"));
    connect(tournamentStack_, &Stepper::valueEdited, this,
            [this](std::int64_t value) { model::setTournamentStack(settings_, value); });
    box->addRow(tournamentStack_);
    return section(
        QStringLiteral("Stakes"), box,
        QStringLiteral("Applied to the next game you start. A session in progress keeps its stakes."), this);
}

QWidget* SettingsScreen::buildDataSection() {
    auto* box = new FormBox(context_, this);
    handsPlayed_ = new QLabel;
    handsPlayed_->setObjectName(QStringLiteral("muted"));
    box->addRow(labelledRow(QStringLiteral("Hands played"), handsPlayed_, box));
    decisionsGraded_ = new QLabel;
    decisionsGraded_->setObjectName(QStringLiteral("muted"));
    box->addRow(labelledRow(QStringLiteral("Decisions graded"), decisionsGraded_, box));
    auto destructive = [this, box](const QString& text) {
        auto* button = new HoverButton(context_, text, box);
        button->setShape(HoverButton::Shape::none);
        button->setPadding({});
        button->setTextFont(scaledFont(bodySize));
        auto* row = new QWidget(box);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        button->setParent(row);
        layout->addWidget(button);
        layout->addStretch(1);
        box->addRow(row);
        return button;
    };
    erase_ = destructive(QStringLiteral("Erase stats and history"));
    restore_ = destructive(QStringLiteral("Restore default settings"));
    connect(erase_, &QAbstractButton::clicked, this, &SettingsScreen::askToErase);
    connect(restore_, &QAbstractButton::clicked, this, &SettingsScreen::askToRestore);
    return section(QStringLiteral("Data"), box,
                   QStringLiteral("Everything stays on this device. Nothing is collected or sent anywhere."),
                   this);
}

ToggleSwitch* SettingsScreen::streetToggle(Street street) const {
    const auto it = std::find(toggledStreets.begin(), toggledStreets.end(), street);
    if (it == toggledStreets.end()) return nullptr;
    return streetToggles_[static_cast<std::size_t>(it - toggledStreets.begin())];
}

// --- Dialogs

void SettingsScreen::askToErase() {
    if (eraseDialog_) return;
    eraseDialog_ =
        Question::confirm(this, QStringLiteral("Erase all training stats and hand history?"),
                          QStringLiteral("This cannot be undone."), QStringLiteral("Erase"),
                          QStringLiteral("Cancel"), context_.palette().danger, [this] { stats_.eraseAll(); });
    connect(eraseDialog_, &QDialog::finished, this, [this] { eraseDialog_ = nullptr; });
}

void SettingsScreen::askToRestore() {
    if (restoreDialog_) return;
    restoreDialog_ = Question::confirm(this, QStringLiteral("Restore all settings to their defaults?"),
                                       QStringLiteral("Your stats and hand history are not affected."),
                                       QStringLiteral("Restore"), QStringLiteral("Cancel"),
                                       context_.palette().danger, [this] { settings_.restoreDefaults(); });
    connect(restoreDialog_, &QDialog::finished, this, [this] { restoreDialog_ = nullptr; });
}

// --- Showing the stores

void SettingsScreen::refresh() {
    for (const auto& refresher : refreshers_)
        refresher();
    const GuideMode mode = settings_.guideMode.get();
    for (std::size_t i = 0; i < toggledStreets.size(); ++i) {
        streetToggles_[i]->setChecked(SettingsFormModel::streetToggleValue(settings_, toggledStreets[i]));
        streetToggles_[i]->setEnabled(mode == GuideMode::show);
    }
    guideFooter_->setText(SettingsFormModel::guideFooter(mode));
    const CashGameConfig& cash = settings_.cashConfig.get();
    bigBlind_->setValue(cash.bigBlind);
    buyIn_->setValue(cash.defaultBuyIn);
    const auto ratio = SettingsFormModel::bigBlindRatioText(cash.defaultBuyIn, cash.bigBlind);
    ratio_->setText(ratio.value_or(QString()));
    ratio_->setVisible(ratio.has_value());
    tournamentStack_->setValue(settings_.tournamentConfig.get().startingStack);
    handsPlayed_->setText(QString::number(stats_.stats().handsPlayed));
    decisionsGraded_->setText(QString::number(stats_.stats().decisionsGraded));
}

void SettingsScreen::recolor() {
    const Palette& palette = context_.palette();
    QPalette colors = this->palette();
    colors.setColor(QPalette::WindowText, palette.text);
    colors.setColor(QPalette::Text, palette.text);
    colors.setColor(QPalette::ButtonText, palette.text);
    colors.setColor(QPalette::Highlight, palette.accent);
    colors.setColor(QPalette::HighlightedText, palette.onAccent);
    setPalette(colors);
    for (QLabel* label : findChildren<QLabel*>(QStringLiteral("muted")))
        setTextColor(label, palette.textMuted);
    for (HoverButton* button : {erase_, restore_}) {
        button->setFill(Qt::transparent);
        button->setTextColor(palette.danger);
    }
    update();
}

void SettingsScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
