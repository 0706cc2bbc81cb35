#include "shell/RangesWindow.hpp"

#include <QAbstractButton>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include "kit/SegmentedControl.hpp"
#include "review/RangeChartScreen.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {

RangesWindow::RangesWindow(SettingsStore& settings)
    : QWidget(nullptr), context_(new AppContext(&settings, nullptr, this)) {
    setObjectName(QStringLiteral("ranges"));
    setWindowTitle(QStringLiteral("Preflop Ranges"));
    setMinimumSize(minimumWindowSize);
    resize(defaultWindowSize);
    screen_ = new RangeChartScreen(*context_, std::nullopt, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(screen_);
    connect(context_, &AppContext::paletteChanged, this, qOverload<>(&QWidget::update));
    // Closing as a window closes by its keys; closing hides it, as its close button does.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        new QShortcut(keys, this, this, &QWidget::close);
}

// The screen goes before the context it reads.
RangesWindow::~RangesWindow() {
    delete screen_;
}

void RangesWindow::open() {
    // The first focus is on the chosen position; it shows no ring until a key is pressed.
    if (!focusWidget()) {
        SegmentedControl* positions = screen_->positionPicker();
        positions->segment(positions->currentIndex())->setFocus(Qt::OtherFocusReason);
    }
    show();
    raise();
    activateWindow();
}

void RangesWindow::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), context_->palette().feltDark);
}

}  // namespace pellox::app
