#include "shell/OnboardingSheet.hpp"

#include <QVBoxLayout>
#include <algorithm>

#include "kit/Fonts.hpp"
#include "shell/OnboardingScreen.hpp"

namespace pellox::app {
namespace {

constexpr QSize sheetSize{560, 600};
constexpr QSize sheetMinimumSize{480, 520};

}  // namespace

OnboardingSheet::OnboardingSheet(AppContext& context, std::function<void()> onDone, QWidget* parent)
    : HeldSheet(parent) {
    // A title bar without a close button where the window manager honours it; closeEvent() covers the rest.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    screen_ = new OnboardingScreen(context, std::move(onDone), this);
    layout->addWidget(screen_);
    setWindowTitle(title());
    setAccessibleName(title());
    // Larger text makes a larger sheet, so the paragraphs wrap onto more lines instead of being cut.
    const double textScale = std::max(1.0, ScaledFont::textScale());
    fitWithinWindow(sheetSize * textScale, sheetMinimumSize * textScale);
}

QString OnboardingSheet::title() {
    return QStringLiteral("Welcome to Pellox Poker");
}

void OnboardingSheet::finish() {
    release();
    accept();
}

}  // namespace pellox::app
