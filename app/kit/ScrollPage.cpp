#include "kit/ScrollPage.hpp"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollArea>

#include "kit/KitControl.hpp"

namespace pellox::app {
namespace {

constexpr qreal ringRadius = 6;

// The ring of a scroll page that has the keys, drawn over its viewport (the content covers the viewport, so
// the page cannot draw it itself); it lets the mouse through.
class ScrollRing : public QWidget {
  public:
    explicit ScrollRing(QWidget* page) : QWidget(page) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        KitControl::paintFocusRing(painter, rect(), ringRadius,
                                   parentWidget()->palette().color(QPalette::Highlight));
    }
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

// The page keeps its ring in step from its own event handler, not from a filter: a filter would also see the
// focus the page gives up while it is being destroyed, once it is no longer a scroll area.
class ScrollPage final : public QScrollArea {
  public:
    ScrollPage(QWidget* parent, const QString& stopName) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
        scrollFocusIntoView(this);
        if (stopName.isEmpty()) {
            // An area that scrolls its focused child into view needs no stop of its own, which would be an
            // invisible, unnamed one.
            setFocusPolicy(Qt::NoFocus);
            return;
        }
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(stopName);
        ring_ = new ScrollRing(this);
    }

  protected:
    bool event(QEvent* event) override {
        const bool handled = QScrollArea::event(event);
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::KeyPress:
            case QEvent::Resize:
            case QEvent::PaletteChange:
                syncRing();
                break;
            default:
                break;
        }
        return handled;
    }

  private:
    void syncRing() {
        if (!ring_) return;
        ring_->setGeometry(viewport()->geometry());
        const bool shown = KitControl::showsFocus(this);
        ring_->setVisible(shown);
        if (shown) ring_->raise();
        ring_->update();
    }

    ScrollRing* ring_ = nullptr;
};

}  // namespace

QScrollArea* makeScrollPage(QWidget* parent, QWidget* content, const QString& stopName) {
    auto* page = new ScrollPage(parent, stopName);
    if (content) setScrollPageContent(page, content);
    return page;
}

void setScrollPageContent(QScrollArea* page, QWidget* content) {
    page->setWidget(content);
    // setWidget() turns the content's own fill on.
    content->setAutoFillBackground(false);
}

}  // namespace pellox::app
