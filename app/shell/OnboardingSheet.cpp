#include "shell/OnboardingSheet.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QResizeEvent>
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
    : QDialog(parent) {
    setWindowModality(Qt::WindowModal);
    // A title bar without a close button where the window manager honours it; closeEvent() covers the rest.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    screen_ = new OnboardingScreen(context, std::move(onDone), this);
    layout->addWidget(screen_);
    setWindowTitle(title());
    setAccessibleName(title());
    fitWithin(parent ? parent->window()->size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    if (parent) parent->window()->installEventFilter(this);
    // Every way of quitting (Quit, the last window closing, a signal) passes the application this event
    // before it closes the windows.
    QCoreApplication::instance()->installEventFilter(this);
}

QString OnboardingSheet::title() {
    return QStringLiteral("Welcome to Pellox Poker");
}

// Larger text makes a larger sheet, within the window it stands over (followed as it is resized), so the
// paragraphs wrap onto more lines instead of being cut.
void OnboardingSheet::fitWithin(QSize room) {
    setMinimumSize((sheetMinimumSize * textScale_).boundedTo(room));
    resize((sheetSize * textScale_).boundedTo(room));
}

bool OnboardingSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && parentWidget() && watched == parentWidget()->window())
        fitWithin(static_cast<QResizeEvent*>(event)->size());
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_ = true;
    return false;
}

void OnboardingSheet::finish() {
    finishing_ = true;
    accept();
}

// Escape asks a dialog to reject itself; this one stays until the user finishes or skips.
void OnboardingSheet::reject() {
    if (finishing_ || quitting_) QDialog::reject();
}

void OnboardingSheet::closeEvent(QCloseEvent* event) {
    if (finishing_ || quitting_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

}  // namespace pellox::app
