#pragma once
// Pictures for a person to look at: when PELLOX_GALLERY_DIR is set, tests write PNGs of widgets and painted
// views there, one per table theme ("<name>-<theme>.png"); otherwise every call does nothing.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>

#include "rules/RawEnum.hpp"
#include "store/SettingsStore.hpp"
#include "store/TableTheme.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app::gallery {

inline bool enabled() {
    return !qEnvironmentVariableIsEmpty("PELLOX_GALLERY_DIR");
}

inline QString pathFor(const QString& name, TableTheme theme) {
    const QString dir = qEnvironmentVariable("PELLOX_GALLERY_DIR");
    QDir().mkpath(dir);
    return QDir(dir).filePath(name + QLatin1Char('-') + QString::fromLatin1(rawValue(theme)) + ".png");
}

// Every picture of a live widget goes through QWidget::grab(). Qt 6.4's QWidget::render() leaves out the
// children that carry a graphics effect (every button with the hover highlight) unless they are hovered,
// whether it renders into a painter or a device; grab() draws them as the window does.
//
// A screen, or anything shot where it stands in its window, is shot as the window shows it: a part that
// paints no background shows the window's colour there, as on screen. Only a piece shot alone, outside the
// screen that holds it, stands on a backdrop: the theme's feltDark, which its screen puts behind it.

// The widget as it stands on screen, painting its own background.
inline QImage grabAsShown(QWidget& widget) {
    QApplication::processEvents();
    return widget.grab().toImage();
}

// A piece alone, over the theme's feltDark, as its screen would hold it.
inline QImage grab(QWidget& widget, const Palette& palette) {
    const QPalette saved = widget.palette();
    const bool savedFill = widget.autoFillBackground();
    QPalette background = saved;
    background.setColor(QPalette::Window, palette.feltDark);
    widget.setPalette(background);
    widget.setAutoFillBackground(true);
    QImage image = grabAsShown(widget);
    widget.setAutoFillBackground(savedFill);
    widget.setPalette(saved);
    return image;
}

// Shoots a live screen (or a widget where it stands in its window) in every theme as the window shows it, by
// switching the settings' theme, as the user would; the widget must follow its context's paletteChanged().
// The theme is put back afterwards.
inline void shoot(const QString& name, QWidget& widget, SettingsStore& settings) {
    if (!enabled()) return;
    const TableTheme before = settings.tableTheme.get();
    for (TableTheme theme : allCases<TableTheme>()) {
        settings.tableTheme.set(theme);
        grabAsShown(widget).save(pathFor(name, theme));
    }
    settings.tableTheme.set(before);
}

// Like shoot(), for a piece shot alone, outside its screen: over the theme's feltDark.
inline void shootAlone(const QString& name, QWidget& widget, SettingsStore& settings,
                       const AppContext& context) {
    if (!enabled()) return;
    const TableTheme before = settings.tableTheme.get();
    for (TableTheme theme : allCases<TableTheme>()) {
        settings.tableTheme.set(theme);
        grab(widget, context.palette()).save(pathFor(name, theme));
    }
    settings.tableTheme.set(before);
}

// Builds a fresh piece per theme (for widgets that read the palette only when built) and shoots it alone,
// over the theme's feltDark.
inline void shootEach(const QString& name, QSize size,
                      const std::function<std::unique_ptr<QWidget>(AppContext&)>& make) {
    if (!enabled()) return;
    for (TableTheme theme : allCases<TableTheme>()) {
        SettingsStore settings;
        settings.tableTheme.set(theme);
        AppContext context(&settings);
        std::unique_ptr<QWidget> widget = make(context);
        if (size.isValid()) widget->resize(size);
        // Laid out and painted as on screen (graphics effects need a shown widget).
        widget->show();
        grab(*widget, context.palette()).save(pathFor(name, theme));
    }
}

// Puts a live widget into a painted picture (inside paint() below) with its top left at `at`.
inline void drawWidget(QPainter& painter, QWidget& widget, QPointF at) {
    painter.drawImage(at, grabAsShown(widget));
}

// An image of `size` painted by `paint` over the theme's feltDark.
inline void paint(const QString& name, QSize size,
                  const std::function<void(QPainter&, const Palette&)>& paint) {
    if (!enabled()) return;
    for (TableTheme theme : allCases<TableTheme>()) {
        const Palette& palette = paletteFor(theme);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(palette.feltDark);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, palette);
        painter.end();
        image.save(pathFor(name, theme));
    }
}

}  // namespace pellox::app::gallery
