#pragma once
// A side-panel piece standing alone in a column of the panel's colour, for tests of its motion and pixels.
#include <QCoreApplication>
#include <QVBoxLayout>
#include <utility>

#include "FramePixels.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app::testing {

// A column on the side panel's colour holding the piece, shown; motion is on when asked for, before the piece
// is built.
template <typename View>
struct OnThePanel {
    AppContext context;
    PaintedStage column{context.palette().feltDark};
    View* view;

    template <typename... Args>
    explicit OnThePanel(bool motion, Args&&... args) {
        context.setReduceMotion(!motion);
        auto* layout = new QVBoxLayout(&column);
        view = new View(context, std::forward<Args>(args)..., &column);
        layout->addWidget(view);
        layout->addStretch();
        column.resize(340, 420);
        column.show();
        QCoreApplication::processEvents();
    }
    QColor panel() const { return column.backdrop(); }
    QImage frame() { return column.grab().toImage(); }
    // `widget`'s place in the column.
    QRect placeOf(const QWidget& widget) const {
        return QRect(widget.mapTo(&column, QPoint(0, 0)), widget.size());
    }
};

}  // namespace pellox::app::testing
