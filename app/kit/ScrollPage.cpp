#include "kit/ScrollPage.hpp"

#include <QApplication>
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

// A control inside the area that takes the keys is scrolled into view, also when they come from outside
// the area (Tab from the sidebar wraps round to the top of a page scrolled down), which the area's own Tab
// handling does not see. A click does not scroll: the control would move from under the pointer.
void scrollFocusIntoView(QScrollArea* area) {
    QWidget* page = area;
    QObject::connect(qApp, &QApplication::focusChanged, area, [area, page](QWidget*, QWidget* now) {
        // Only focus coming into the area is followed, which never happens while the area is being destroyed
        // (the focus that leaves a dying area goes to no widget): until then it is touched as a plain widget.
        if (!now || !page->isAncestorOf(now) || QGuiApplication::mouseButtons() != Qt::NoButton) return;
        if (QWidget* content = area->widget(); content && content->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
}

}  // namespace

QScrollArea* makeScrollPage(QWidget* parent, const QString& stopName) {
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    scrollFocusIntoView(scroll);
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
