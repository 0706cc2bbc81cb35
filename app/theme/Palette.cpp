#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

QColor rgb(QRgb value, double opacity = 1.0) {
    QColor c = QColor::fromRgb(value);
    c.setAlphaF(static_cast<float>(opacity));
    return c;
}

const QRgb white = 0xFFFFFF;

}  // namespace

// The colour tables keep one column per role across the four themes.
// clang-format off
const Palette& Palette::cardRoom() {
    static const Palette p{rgb(0x2A6B4F), rgb(0x193F2F), rgb(0xF8F4E9),       rgb(0x7A1F2B),       rgb(0xD4C7B0),
                           rgb(0xF5EFE2), rgb(0xC9BFA8), rgb(0xC9A25A),       rgb(0xC9A25A, 0.16), rgb(0x241A12),
                           rgb(0xB8483F), rgb(0x3FAE6A), rgb(0x140C06, 0.72), rgb(white, 0.08),    rgb(0xC9A25A, 0.35),
                           rgb(0x3B2216), rgb(0x9E2A2B), rgb(0x2B7A4B),       rgb(0xB8860B),       rgb(0xD90429),
                           rgb(0xC9A25A, 0.6)};
    return p;
}

const Palette& Palette::clubGreen() {
    static const Palette p{rgb(0x0B5D3B), rgb(0x05311F), rgb(0xFEFEFE),       rgb(0x7A1F2B),       rgb(0xD1DAD5),
                           rgb(0xF5F5F0), rgb(0xC9D6CF), rgb(0xE8B64B),       rgb(0xE8B64B, 0.16), rgb(0x1A1A1A),
                           rgb(0xC94B4B), rgb(0x3FAE6A), rgb(0x051910, 0.75), rgb(white, 0.08),    rgb(white, 0.22),
                           rgb(0x4A2E16), rgb(0xA83232), rgb(0x1B7A48),       rgb(0xD49E2A),       rgb(0xE63946),
                           rgb(0xE8B64B, 0.65)};
    return p;
}

const Palette& Palette::midnight() {
    static const Palette p{rgb(0x1B2B33), rgb(0x0D161A), rgb(white),          rgb(0x31424D),       rgb(0xB0C4DE),
                           rgb(0xEEF2F4), rgb(0x9FB0B8), rgb(0x7FD1C0),       rgb(0x7FD1C0, 0.16), rgb(0x101418),
                           rgb(0xF0655A), rgb(0x4ADE80), rgb(0x0D161A, 0.75), rgb(white, 0.08),    rgb(0x7FD1C0, 0.28),
                           rgb(0x223038), rgb(0xC94036), rgb(0x258F78),       rgb(0x54A896),       rgb(0xFF4D6D),
                           rgb(0x7FD1C0, 0.65)};
    return p;
}

const Palette& Palette::oxblood() {
    static const Palette p{rgb(0x5E2130), rgb(0x36111A), rgb(0xF5EAD6),       rgb(0x1F3A5C),       rgb(0xD6C2A5),
                           rgb(0xF3E9E0), rgb(0xC8AEB2), rgb(0xD9B36A),       rgb(0xD9B36A, 0.16), rgb(0x1C1014),
                           rgb(0xE2574B), rgb(0x59B37A), rgb(0x1C1014, 0.75), rgb(white, 0.08),    rgb(0xD9B36A, 0.3),
                           rgb(0x664C29), rgb(0xAD2D2D), rgb(0x388E57),       rgb(0xC49942),       rgb(0xD90429),
                           rgb(0xD9B36A, 0.65)};
    return p;
}
// clang-format on

const Palette& paletteFor(TableTheme theme) {
    switch (theme) {
        case TableTheme::cardRoom:
            return Palette::cardRoom();
        case TableTheme::clubGreen:
            return Palette::clubGreen();
        case TableTheme::midnight:
            return Palette::midnight();
        case TableTheme::oxblood:
            return Palette::oxblood();
    }
    return Palette::cardRoom();
}

}  // namespace pellox::app
