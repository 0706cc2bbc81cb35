#include "shell/RangesWindow.hpp"

#include <QPainter>
#include <QVBoxLayout>

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
}

// The screen goes before the context it reads.
RangesWindow::~RangesWindow() {
    delete screen_;
}

void RangesWindow::open() {
    show();
    raise();
    activateWindow();
}

void RangesWindow::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), context_->palette().feltDark);
}

}  // namespace pellox::app
