#pragma once
#include <QFont>

namespace pellox::app {

// Weights as the screens name them; heavy and black need a family with those cuts to look different.
enum class FontWeight { regular, medium, semibold, bold, heavy, black };

// `standard` is the system design; `rounded` prefers a rounded family and falls back to the standard one.
enum class FontDesign { standard, rounded };

// Text of the screens: a base size in pixels, grown or shrunk by the process-wide text scale (the desktop's
// text factor, times PELLOX_TEXT_SCALE when set, the way a text-size setting enlarges body text). No clamping
// or rounding.
struct ScaledFont {
    double size = 13;
    FontWeight weight = FontWeight::regular;
    FontDesign design = FontDesign::standard;

    QFont font() const;
    double scaledSize() const { return size * textScale(); }

    static double textScale();
    // Fonts built afterwards use the new scale; widgets built before keep theirs.
    static void setTextScale(double scale);
};

// The desktop's text size as Qt reports it: the application font's size in pixels at the screen's logical
// DPI, and that DPI. Qt 6 divides the logical DPI by the scale it already applies to the whole interface.
struct DesktopText {
    double fontPixels = 0;
    double logicalDpi = 0;

    // The primary screen's; zeros (factor 1) before the application object exists.
    static DesktopText current();
};

// How much larger the desktop wants text than the design's standard: a logical DPI above 96 that Qt left
// unscaled, times a desktop font larger than the design's body text; never below 1, so the standard and
// smaller desktops keep the design's sizes.
double desktopTextFactor(DesktopText desktop);

// The starting text scale: the desktop's factor times a multiplier read from the environment (ignored
// unless a positive number).
double startingTextScale(DesktopText desktop, const QString& multiplier);

// The height of a fixed-height control whose text follows the text scale: the base height at the standard
// size, grown in proportion to larger text (never shrunk), so its text is not cut.
int textScaledHeight(int base);
// The same for a fixed width that holds text.
int textScaledWidth(int base);

// A ScaledFont's font in one call: scaledFont(17, FontWeight::semibold).
QFont scaledFont(double size, FontWeight weight = FontWeight::regular,
                 FontDesign design = FontDesign::standard);

// Text that must not follow the text scale: the felt (sized by the table scale instead), the action bar and
// the other fixed-size panels. Fractional sizes are kept.
QFont fixedFont(double size, FontWeight weight = FontWeight::regular,
                FontDesign design = FontDesign::standard);

// Tracking: extra space between letters, in pixels (negative tightens).
QFont withTracking(QFont font, double tracking);

// The font at another size in pixels; fractional sizes are kept.
QFont withPixelSize(QFont font, double pixels);

// The size in pixels a font of these helpers was given (QFont::pixelSize() is -1 for fractional sizes).
double pixelSizeOf(const QFont& font);

QFont::Weight qtWeight(FontWeight weight);

}  // namespace pellox::app
