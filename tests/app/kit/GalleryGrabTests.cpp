// The gallery's pictures keep the buttons that carry the hover highlight, at their place, hovered or not.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTemporaryDir>
#include <QWidget>

#include "Gallery.hpp"
#include "kit/HoverButton.hpp"

namespace pellox::app {
namespace {

constexpr QColor fill{0x40, 0x80, 0xC0};
constexpr QColor hoveredFill{0x54, 0x94, 0xD4};  // brightened by 0.08

void enter(QWidget& widget) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(&widget, &event);
}

// A button 40 × 30 at (30, 20) inside a panel at (40, 30): in the window it covers (70, 50)-(110, 80).
struct NestedButton {
    SettingsStore settings;
    AppContext context{&settings};
    QWidget window;
    QWidget* panel = new QWidget(&window);
    HoverButton* button = new HoverButton(context, QString(), panel);

    NestedButton() {
        context.setReduceMotion(true);
        window.resize(200, 140);
        panel->setGeometry(40, 30, 140, 100);
        button->setFill(fill);
        button->setShape(HoverButton::Shape::roundedRect, 0);
        button->setGeometry(30, 20, 40, 30);
        window.show();
    }
};

TEST(GalleryGrab, KeepsANestedHoverButtonInPlace) {
    NestedButton rig;
    const Palette& palette = paletteFor(TableTheme::cardRoom);
    const QImage image = gallery::grab(rig.window, palette);
    EXPECT_EQ(image.pixelColor(90, 65), fill);
    EXPECT_EQ(image.pixelColor(20, 20), palette.feltDark);
    EXPECT_EQ(image.pixelColor(130, 95), palette.feltDark);  // where a doubled offset would put it
}

TEST(GalleryGrab, KeepsAHoveredButtonInPlaceAndBrightened) {
    NestedButton rig;
    enter(*rig.button);
    const Palette& palette = paletteFor(TableTheme::cardRoom);
    const QImage image = gallery::grab(rig.window, palette);
    EXPECT_EQ(image.pixelColor(90, 65), hoveredFill);
    EXPECT_EQ(image.pixelColor(130, 95), palette.feltDark);
}

TEST(GalleryGrab, PaintsTheThemeBehindAndGivesTheWidgetItsOwnBack) {
    NestedButton rig;
    const bool fill = rig.window.autoFillBackground();
    const QColor window = rig.window.palette().color(QPalette::Window);
    const QImage image = gallery::grab(rig.window, paletteFor(TableTheme::midnight));
    EXPECT_EQ(image.pixelColor(5, 5), paletteFor(TableTheme::midnight).feltDark);
    EXPECT_EQ(rig.window.autoFillBackground(), fill);
    EXPECT_EQ(rig.window.palette().color(QPalette::Window), window);
}

TEST(GalleryGrab, DrawsALiveWidgetIntoAPaintedPicture) {
    NestedButton rig;
    QImage sheet(300, 200, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    gallery::drawWidget(painter, rig.window, QPointF(50, 40));
    painter.end();
    EXPECT_EQ(sheet.pixelColor(140, 105), fill);
    EXPECT_EQ(sheet.pixelColor(20, 20), QColor(Qt::black));
}

TEST(GalleryGrab, ShootsAScreenAsShownInEveryThemeAndPutsTheThemeBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The run's own gallery folder, if any, is put back for the pictures after this test.
    const QByteArray runGallery = qgetenv("PELLOX_GALLERY_DIR");
    qputenv("PELLOX_GALLERY_DIR", dir.path().toUtf8());
    NestedButton rig;
    rig.settings.tableTheme.set(TableTheme::oxblood);
    gallery::shoot("nested", rig.window, rig.settings);
    if (runGallery.isEmpty())
        qunsetenv("PELLOX_GALLERY_DIR");
    else
        qputenv("PELLOX_GALLERY_DIR", runGallery);
    EXPECT_EQ(rig.settings.tableTheme.get(), TableTheme::oxblood);
    for (TableTheme theme : allCases<TableTheme>()) {
        const QImage shot(
            dir.filePath(QStringLiteral("nested-") + QString::fromLatin1(rawValue(theme)) + ".png"));
        ASSERT_FALSE(shot.isNull()) << rawValue(theme);
        EXPECT_EQ(shot.pixelColor(90, 65), fill);
    }
}

}  // namespace
}  // namespace pellox::app
