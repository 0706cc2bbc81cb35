#include "kit/Fonts.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace pellox::app {
namespace {

// The DPI at which a point size gives the pixel sizes the design was drawn with (X11 and Windows).
constexpr double standardDpi = 96;
// The design's body text in pixels: the size most texts of the screens are given.
constexpr double bodyTextPixels = 13;

// Point sizes are resolved against the logical DPI; the screens think in pixels.
double screenLogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : standardDpi;
}

double& currentTextScale() {
    static double scale =
        startingTextScale(DesktopText::current(), qEnvironmentVariable("PELLOX_TEXT_SCALE"));
    return scale;
}

QStringList familiesFor(FontDesign design) {
    QStringList standard{QStringLiteral("Inter"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Sans Serif")};
    if (design == FontDesign::standard) return standard;
    QStringList rounded{QStringLiteral("Nunito"), QStringLiteral("Varela Round")};
    return rounded + standard;
}

}  // namespace

DesktopText DesktopText::current() {
    if (!qGuiApp || !QGuiApplication::primaryScreen()) return {};
    return {pixelSizeOf(QGuiApplication::font()), screenLogicalDpi()};
}

double desktopTextFactor(DesktopText desktop) {
    if (!(std::isfinite(desktop.logicalDpi) && desktop.logicalDpi > 0 && std::isfinite(desktop.fontPixels))) {
        return 1;
    }
    const double dpiFactor = std::max(1.0, desktop.logicalDpi / standardDpi);
    // The font's pixels already carry the DPI; counted once, in its own factor.
    const double fontFactor = std::max(1.0, desktop.fontPixels / dpiFactor / bodyTextPixels);
    return dpiFactor * fontFactor;
}

double startingTextScale(DesktopText desktop, const QString& multiplier) {
    bool ok = false;
    const double scale = multiplier.toDouble(&ok);
    return desktopTextFactor(desktop) * (ok && std::isfinite(scale) && scale > 0 ? scale : 1.0);
}

QFont::Weight qtWeight(FontWeight weight) {
    switch (weight) {
        case FontWeight::regular:
            return QFont::Normal;
        case FontWeight::medium:
            return QFont::Medium;
        case FontWeight::semibold:
            return QFont::DemiBold;
        case FontWeight::bold:
            return QFont::Bold;
        case FontWeight::heavy:
            return QFont::ExtraBold;
        case FontWeight::black:
            return QFont::Black;
    }
    return QFont::Normal;
}

double ScaledFont::textScale() {
    return currentTextScale();
}

void ScaledFont::setTextScale(double scale) {
    if (std::isfinite(scale) && scale > 0) currentTextScale() = scale;
}

QFont ScaledFont::font() const {
    return fixedFont(scaledSize(), weight, design);
}

int textScaledHeight(int base) {
    return static_cast<int>(std::ceil(base * std::max(1.0, ScaledFont::textScale())));
}

int textScaledWidth(int base) {
    return textScaledHeight(base);
}

QFont scaledFont(double size, FontWeight weight, FontDesign design) {
    return ScaledFont{size, weight, design}.font();
}

QFont fixedFont(double size, FontWeight weight, FontDesign design) {
    QFont font;
    font.setFamilies(familiesFor(design));
    font.setWeight(qtWeight(weight));
    return withPixelSize(font, size);
}

QFont withPixelSize(QFont font, double pixels) {
    pixels = std::max(pixels, 0.5);
    if (pixels == std::round(pixels)) {
        font.setPixelSize(static_cast<int>(pixels));
    } else {
        font.setPointSizeF(pixels * 72.0 / screenLogicalDpi());
    }
    return font;
}

QFont withTracking(QFont font, double tracking) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    return font;
}

double pixelSizeOf(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return font.pointSizeF() * screenLogicalDpi() / 72.0;
}

}  // namespace pellox::app
