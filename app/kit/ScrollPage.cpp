#include "kit/ScrollPage.hpp"

#include <QScrollArea>

namespace pellox::app {

QScrollArea* makeScrollPage(QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    // An area that scrolls its focused child into view needs no stop of its own, which would be an
    // invisible, unnamed one.
    scroll->setFocusPolicy(Qt::NoFocus);
    return scroll;
}

}  // namespace pellox::app
