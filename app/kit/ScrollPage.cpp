#include "kit/ScrollPage.hpp"

#include <QEvent>
#include <QPainter>
#include <QScrollArea>

#include "kit/KitControl.hpp"

namespace pellox::app {
namespace {

constexpr qreal ringRadius = 6;

// The ring of a scroll area that has the keys, drawn over its viewport (the content covers the viewport,
// so the area cannot draw it itself); it lets the mouse through.
class ScrollRing : public QWidget {
  public:
    explicit ScrollRing(QScrollArea* area) : QWidget(area), area_(area) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        area->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::KeyPress:
            case QEvent::Resize:
            case QEvent::PaletteChange:
                sync();
                break;
            default:
                break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        KitControl::paintFocusRing(painter, rect(), ringRadius, area_->palette().color(QPalette::Highlight));
    }

  private:
    void sync() {
        setGeometry(area_->viewport()->geometry());
        const bool shown = KitControl::showsFocus(area_);
        setVisible(shown);
        if (shown) raise();
        update();
    }

    QScrollArea* area_;
};

}  // namespace

QScrollArea* makeScrollPage(QWidget* parent, const QString& stopName) {
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    if (stopName.isEmpty()) {
        // An area that scrolls its focused child into view needs no stop of its own, which would be an
        // invisible, unnamed one.
        scroll->setFocusPolicy(Qt::NoFocus);
        return scroll;
    }
    scroll->setFocusPolicy(Qt::StrongFocus);
    scroll->setAccessibleName(stopName);
    new ScrollRing(scroll);
    return scroll;
}

}  // namespace pellox::app
