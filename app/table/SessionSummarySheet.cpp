#include "table/SessionSummarySheet.hpp"

#include <QVBoxLayout>

#include "kit/Fonts.hpp"
#include "table/SessionSummaryView.hpp"

namespace pellox::app {

SessionSummarySheet::SessionSummarySheet(const AppContext& context, const SessionSummary& summary,
                                         GameMode mode, GuideMode guide, std::function<void()> onPlayAgain,
                                         std::function<void()> onMainMenu, QWidget* parent)
    : HeldSheet(parent),
      view_(new SessionSummaryView(context, summary, mode, guide, std::move(onPlayAgain),
                                   std::move(onMainMenu), this)) {
    setWindowTitle(tr("Session Summary"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    // Larger text makes a larger sheet.
    fitWithinWindow(QSize(textScaledWidth(SessionSummaryView::idealWidth),
                          textScaledHeight(SessionSummaryView::idealHeight)));
}

void SessionSummarySheet::dismiss() {
    release();
    accept();
}

}  // namespace pellox::app
