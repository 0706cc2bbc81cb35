#include "table/SessionSummarySheet.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "table/SessionSummaryView.hpp"

namespace pellox::app {

SessionSummarySheet::SessionSummarySheet(const AppContext& context, const SessionSummary& summary,
                                         GameMode mode, std::function<void()> onPlayAgain,
                                         std::function<void()> onMainMenu, QWidget* parent)
    : QDialog(parent),
      view_(new SessionSummaryView(context, summary, mode, std::move(onPlayAgain), std::move(onMainMenu),
                                   this)) {
    setWindowTitle(tr("Session Summary"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    // Larger text makes a larger sheet, within the window it stands over.
    const QSize ideal(textScaledWidth(SessionSummaryView::idealWidth),
                      textScaledHeight(SessionSummaryView::idealHeight));
    resize(parent ? ideal.boundedTo(parent->window()->size()) : ideal);
    // Every way of quitting (Quit, the last window closing, a signal) passes the application this event
    // before it closes the windows.
    QCoreApplication::instance()->installEventFilter(this);
}

bool SessionSummarySheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_ = true;
    return false;
}

void SessionSummarySheet::dismiss() {
    QDialog::done(QDialog::Accepted);
}

void SessionSummarySheet::reject() {
    if (quitting_) QDialog::reject();
}

void SessionSummarySheet::closeEvent(QCloseEvent* event) {
    if (quitting_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

}  // namespace pellox::app
