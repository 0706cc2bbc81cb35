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
#include "shell/AppContext.hpp"
#include "shell/Palette.hpp"
#include "store/SettingsStore.hpp"
#include "store/TableTheme.hpp"

namespace pellox::app::gallery {

inline bool enabled() {
    return !qEnvironmentVariableIsEmpty("PELLOX_GALLERY_DIR");
}

inline QString pathFor(const QString& name, TableTheme theme) {
    const QString dir = qEnvironmentVariable("PELLOX_GALLERY_DIR");
    QDir().mkpath(dir);
    return QDir(dir).filePath(name + QLatin1Char('-') + QString::fromLatin1(rawValue(theme)) + ".png");
}

// The widget as it looks over the theme's feltDark (what most screens stand on). grab(), not render() into a
// painter: Qt 6.4 draws children that carry a graphics effect (the hover highlight) at twice their offset
// when rendering through an outside painter.
inline QImage grab(QWidget& widget, const Palette& palette) {
    const QPalette saved = widget.palette();
    const bool savedFill = widget.autoFillBackground();
    QPalette background = saved;
    background.setColor(QPalette::Window, palette.feltDark);
    widget.setPalette(background);
    widget.setAutoFillBackground(true);
    QApplication::processEvents();
    QImage image = widget.grab().toImage();
    widget.setAutoFillBackground(savedFill);
    widget.setPalette(saved);
    return image;
}

// Shoots a live widget in every theme by switching the settings' theme, as the user would; the widget must
// follow its context's paletteChanged(). The theme is put back afterwards.
inline void shoot(const QString& name, QWidget& widget, SettingsStore& settings, const AppContext& context) {
    if (!enabled()) return;
    const TableTheme before = settings.tableTheme.get();
    for (TableTheme theme : allCases<TableTheme>()) {
        settings.tableTheme.set(theme);
        grab(widget, context.palette()).save(pathFor(name, theme));
    }
    settings.tableTheme.set(before);
}

// Builds a fresh widget per theme (for widgets that read the palette only when built).
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
