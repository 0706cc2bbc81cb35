#include "table/ActionTickerView.hpp"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "kit/Fonts.hpp"
#include "kit/KitControl.hpp"
#include "kit/Painting.hpp"
#include "kit/Spring.hpp"
#include "kit/SymbolIcon.hpp"
#include "kit/Transition.hpp"
#include "table/ActionLogSheet.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

namespace {

constexpr int horizontalPadding = 16;
constexpr int verticalPadding = 8;
constexpr int itemSpacing = 8;
constexpr int minimumGap = 4;
constexpr qreal cornerRadius = 12;
constexpr qreal panelOpacity = 0.85;
constexpr qreal chevronSize = 10;
const QString bolt = QString(QChar(0x26A1));
// Keyed on the recent text: the strip fades in and out as it comes and goes, and cross-fades to a new text.
constexpr Spring stripSpring{0.2, 0.85};

// The clickable strip: bolt, the recent text cut at its start, a chevron; plain, without button chrome.
class TickerStrip : public QAbstractButton {
  public:
    TickerStrip(const AppContext& context, QWidget* parent) : QAbstractButton(parent), context_(context) {
        setCursor(Qt::PointingHandCursor);
        KitControl::install(this);
        setAccessibleDescription(QObject::tr("Opens the full action list for this hand"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    void setRecent(const QString& recent) {
        setText(recent);
        setAccessibleName(QObject::tr("Recent action: ") + recent);
        update();
    }

    QSize sizeHint() const override {
        const qreal line =
            std::max({QFontMetricsF(boltFont()).height(), QFontMetricsF(textFont()).height(), chevronSize});
        return {200, static_cast<int>(std::ceil(line)) + 2 * verticalPadding};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const Palette& p = context_.palette();
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box(rect());
        paintOutlinedRoundedRect(painter, box, cornerRadius, withOpacity(p.panel, panelOpacity), p.border);

        const QRectF content =
            box.adjusted(horizontalPadding, verticalPadding, -horizontalPadding, -verticalPadding);
        const qreal boltWidth = QFontMetricsF(boltFont()).horizontalAdvance(bolt);
        painter.setFont(boltFont());
        painter.setPen(p.text);
        painter.drawText(QRectF(content.left(), content.top(), boltWidth, content.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, bolt);
        const QRectF chevron(content.right() - chevronSize, content.top(), chevronSize, content.height());
        paintSymbol(painter, Symbol::chevronUp, chevron, chevronSize, p.textMuted, FontWeight::bold);
        const qreal left = content.left() + boltWidth + itemSpacing;
        const qreal right = chevron.left() - itemSpacing - minimumGap;
        const QString shown =
            QFontMetricsF(textFont()).elidedText(text(), Qt::ElideLeft, std::max(0.0, right - left));
        painter.setFont(textFont());
        painter.drawText(QRectF(left, content.top(), std::max(0.0, right - left), content.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        if (KitControl::showsFocus(this)) KitControl::paintFocusRing(painter, box, cornerRadius, p.text);
    }

  private:
    static QFont boltFont() { return fixedFont(12); }
    static QFont textFont() { return fixedFont(13, FontWeight::semibold); }

    const AppContext& context_;
};

}  // namespace

ActionTickerView::ActionTickerView(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), strip_(new TickerStrip(context, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(strip_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(strip_, &QAbstractButton::clicked, this, &ActionTickerView::showDetail);
    connect(&context_, &AppContext::paletteChanged, strip_, qOverload<>(&QWidget::update));
    setLog({});
}

ActionTickerView::~ActionTickerView() = default;

void ActionTickerView::setLog(std::vector<ActionLogStreet> log) {
    log_ = std::move(log);
    const auto recent = ActionLogStreet::flattenedTexts(log_, recentCount);
    auto next = recent ? std::optional<QString>(QString::fromStdString(*recent)) : std::nullopt;
    // The ticker folds away with its strip; the strip's picture goes out on the ticker's holder.
    QWidget* stage = parentWidget() ? parentWidget() : this;
    if (next && recentText_ && next != recentText_) crossFade(*strip_, stripSpring, context_, stage);
    if (!next) transitionOut(*strip_, Transition::opacity(), stripSpring, context_, stage);
    if (next && strip_->isHidden()) transitionIn(*strip_, Transition::opacity(), stripSpring, context_);
    recentText_ = std::move(next);
    static_cast<TickerStrip*>(strip_)->setRecent(recentText_.value_or(QString()));
    strip_->setHidden(!recentText_);
    if (sheet_) sheet_->setLog(log_);
}

ActionLogSheet* ActionTickerView::sheet() const {
    return sheet_;
}

bool ActionTickerView::showingDetail() const {
    return sheet_ && sheet_->isVisible();
}

void ActionTickerView::showDetail() {
    if (sheet_) {
        sheet_->setLog(log_);
    } else {
        sheet_ = new ActionLogSheet(context_, log_, this);
        sheet_->setAttribute(Qt::WA_DeleteOnClose);
        connect(sheet_, &QDialog::finished, sheet_, &QObject::deleteLater);
    }
    sheet_->open();
}

}  // namespace pellox::app
