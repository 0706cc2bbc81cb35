#include "table/SessionSummarySheet.hpp"

#include <QCloseEvent>
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
}

void SessionSummarySheet::dismiss() {
    QDialog::done(QDialog::Accepted);
}

void SessionSummarySheet::reject() {}

void SessionSummarySheet::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace pellox::app
