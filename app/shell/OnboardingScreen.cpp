#include "shell/OnboardingScreen.hpp"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <utility>

#include "kit/Fonts.hpp"
#include "kit/HoverButton.hpp"
#include "kit/Painting.hpp"
#include "kit/Spring.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/TextColor.hpp"
#include "kit/Transition.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

constexpr int stackSpacing = 24;
constexpr int padding = 24;
constexpr int textSpacing = 8;
constexpr qreal symbolSize = 56;
constexpr qreal titleSize = 26;
constexpr qreal bodySize = 16;
constexpr int dotSize = 8;
constexpr int dotSpacing = 8;
constexpr qreal otherDotOpacity = 0.35;
constexpr qreal primarySize = 17;
constexpr int primaryHeight = 34;
constexpr qreal primaryRadius = 12;
constexpr qreal skipSize = 15;
constexpr Spring pageSpring{0.25, 0.85};

// One 8-pixel circle per page, the current one in the accent colour.
class PageDots : public QWidget {
  public:
    PageDots(std::function<int()> page, std::function<const Palette&()> palette, QWidget* parent)
        : QWidget(parent), page_(std::move(page)), palette_(std::move(palette)) {
        setFixedHeight(dotSize);
    }

    QSize sizeHint() const override {
        const int count = static_cast<int>(OnboardingScreen::pages().size());
        return {count * dotSize + (count - 1) * dotSpacing, dotSize};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const QSize hint = sizeHint();
        qreal x = (width() - hint.width()) / 2.0;
        const int count = static_cast<int>(OnboardingScreen::pages().size());
        for (int dot = 0; dot < count; ++dot) {
            painter.setBrush(OnboardingScreen::dotColor(dot, page_(), palette_()));
            painter.drawEllipse(QRectF(x, 0, dotSize, dotSize));
            x += dotSize + dotSpacing;
        }
    }

  private:
    std::function<int()> page_;
    std::function<const Palette&()> palette_;
};

QLabel* centredLabel(QWidget* parent, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

const std::array<OnboardingScreen::Page, 3>& OnboardingScreen::pages() {
    static const std::array<Page, 3> all{{
        {"suit.spade.fill", QStringLiteral("Practice, not gambling"),
         QStringLiteral(
             "No-Limit Hold'em against bots, with chips that mean nothing. Play cash games with fixed "
             "blinds, or tournaments where the blinds climb until one player has everything.")},
        {"lightbulb.max.fill", QStringLiteral("A guide you control"),
         QStringLiteral(
             "Show advice puts the recommended play on screen before you act. Test yourself hides it "
             "and still grades you. Off does neither. You can also switch it on for some streets and "
             "off for others.")},
        {"chart.line.uptrend.xyaxis", QStringLiteral("Graded on decisions"),
         QStringLiteral(
             "Your play is scored against the guide's read of the spot, not against whether you won. A "
             "good fold that would have hit is still a good fold, and the stats track where you and "
             "the guide part ways.")},
    }};
    return all;
}

QString OnboardingScreen::primaryTitle(int page) {
    const int last = static_cast<int>(pages().size()) - 1;
    return page == last ? QStringLiteral("Start playing") : QStringLiteral("Next");
}

QString OnboardingScreen::skipTitle() {
    return QStringLiteral("Skip");
}

QColor OnboardingScreen::dotColor(int dot, int page, const Palette& palette) {
    return dot == page ? palette.accent : withOpacity(palette.textMuted, otherDotOpacity);
}

OnboardingScreen::OnboardingScreen(AppContext& context, std::function<void()> onDone, QWidget* parent)
    : QWidget(parent), context_(context), onDone_(std::move(onDone)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(stackSpacing);

    pageBlock_ = new QWidget(this);
    auto* block = new QVBoxLayout(pageBlock_);
    block->setContentsMargins(padding, 0, padding, 0);
    block->setSpacing(stackSpacing);
    symbol_ = new QLabel(pageBlock_);
    symbol_->setAlignment(Qt::AlignCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(textSpacing);
    title_ = centredLabel(pageBlock_, scaledFont(titleSize, FontWeight::black));
    body_ = centredLabel(pageBlock_, scaledFont(bodySize));
    texts->addWidget(title_);
    texts->addWidget(body_);
    block->addWidget(symbol_);
    block->addLayout(texts);

    dots_ = new PageDots([this] { return page_; }, [this]() -> const Palette& { return context_.palette(); },
                         this);

    primary_ = new HoverButton(context_, {}, this);
    primary_->setShape(HoverButton::Shape::roundedRect, primaryRadius);
    primary_->setTextFont(scaledFont(primarySize, FontWeight::heavy));
    primary_->setFixedHeight(textScaledHeight(primaryHeight));
    primary_->setPadding({});
    primary_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(primary_, &QAbstractButton::clicked, this, &OnboardingScreen::advance);

    skip_ = new HoverButton(context_, skipTitle(), this);
    skip_->setShape(HoverButton::Shape::none);
    skip_->setTextFont(scaledFont(skipSize, FontWeight::semibold));
    skip_->setPadding({});
    connect(skip_, &QAbstractButton::clicked, this, [this] { onDone_(); });

    layout->addStretch(1);
    layout->addWidget(pageBlock_);
    layout->addWidget(dots_);
    layout->addStretch(1);
    layout->addWidget(primary_);
    layout->addWidget(skip_, 0, Qt::AlignHCenter);

    connect(&context_, &AppContext::paletteChanged, this, &OnboardingScreen::restyle);
    showPage();
    restyle();
    // The sheet's default: Return steps on; Tab reaches Skip.
    primary_->setFocus(Qt::OtherFocusReason);
}

void OnboardingScreen::advance() {
    const int last = static_cast<int>(pages().size()) - 1;
    if (page_ == last) {
        onDone_();
        return;
    }
    // The old page, as it stood, fades out above the new one as the spring settles; under reduce motion the
    // new one is there at once.
    crossFade(*pageBlock_, pageSpring, context_, this);
    ++page_;
    showPage();
    restyle();
}

void OnboardingScreen::showPage() {
    const Page& page = pages()[static_cast<std::size_t>(page_)];
    title_->setText(page.title);
    body_->setText(page.body);
    primary_->setText(primaryTitle(page_));
    pageBlock_->setAccessibleName(page.title);
    dots_->update();
}

void OnboardingScreen::restyle() {
    const Palette& palette = context_.palette();
    const Page& page = pages()[static_cast<std::size_t>(page_)];
    if (auto symbol = symbolNamed(page.symbol)) {
        const qreal size = ScaledFont{symbolSize}.scaledSize();
        symbol_->setPixmap(
            symbolPixmap(*symbol, size, palette.accent, FontWeight::semibold, devicePixelRatioF()));
    }
    setTextColor(title_, palette.text);
    setTextColor(body_, palette.textMuted);
    primary_->setFill(palette.accent);
    primary_->setTextColor(palette.onAccent);
    skip_->setTextColor(palette.textMuted);
    dots_->update();
    update();
}

void OnboardingScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), context_.palette().feltDark);
}

}  // namespace pellox::app
