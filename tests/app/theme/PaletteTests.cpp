#include <gtest/gtest.h>

#include <QSignalSpy>

#include "store/SettingsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"
#include "theme/PaletteRole.hpp"

namespace pellox::app {
namespace {

TEST(Palette, ThemesMapToTheirOwnPalettes) {
    EXPECT_EQ(&paletteFor(TableTheme::cardRoom), &Palette::cardRoom());
    EXPECT_EQ(&paletteFor(TableTheme::clubGreen), &Palette::clubGreen());
    EXPECT_EQ(&paletteFor(TableTheme::midnight), &Palette::midnight());
    EXPECT_EQ(&paletteFor(TableTheme::oxblood), &Palette::oxblood());
    EXPECT_NE(Palette::cardRoom().felt, Palette::clubGreen().felt);
    EXPECT_NE(Palette::midnight().felt, Palette::oxblood().felt);
}

TEST(Palette, ValuesThatSetTheThemesApart) {
    EXPECT_EQ(Palette::clubGreen().card, QColor(0xFE, 0xFE, 0xFE));
    EXPECT_EQ(Palette::midnight().card, QColor(Qt::white));
    EXPECT_EQ(Palette::cardRoom().cardBack, Palette::clubGreen().cardBack);
    EXPECT_EQ(Palette::cardRoom().allInBtn, Palette::oxblood().allInBtn);
    EXPECT_EQ(Palette::cardRoom().success, Palette::clubGreen().success);
    EXPECT_NEAR(Palette::cardRoom().panel.alphaF(), 0.72, 1e-4);
    EXPECT_NEAR(Palette::oxblood().panel.alphaF(), 0.75, 1e-4);
    EXPECT_NEAR(Palette::cardRoom().glow.alphaF(), 0.6, 1e-4);
    EXPECT_NEAR(Palette::midnight().glow.alphaF(), 0.65, 1e-4);
    EXPECT_EQ(Palette::clubGreen().border.rgb(), QColor(Qt::white).rgb());
    EXPECT_NEAR(Palette::clubGreen().border.alphaF(), 0.22, 1e-4);
    EXPECT_EQ(Palette::midnight().panel.rgb(), Palette::midnight().feltDark.rgb());
    for (const Palette* p :
         {&Palette::cardRoom(), &Palette::clubGreen(), &Palette::midnight(), &Palette::oxblood()}) {
        EXPECT_EQ(p->seatEmpty.rgb(), QColor(Qt::white).rgb());
        EXPECT_NEAR(p->seatEmpty.alphaF(), 0.08, 1e-4);
        EXPECT_EQ(p->accentSoft.rgb(), p->accent.rgb());
        EXPECT_EQ(p->glow.rgb(), p->accent.rgb());
    }
}

TEST(PaletteRole, NetChipsGainInSuccessLossInDangerAndZeroInTheSitesOwnRole) {
    EXPECT_EQ(netRole(150), PaletteRole::success);
    EXPECT_EQ(netRole(1), PaletteRole::success);
    EXPECT_EQ(netRole(-40), PaletteRole::danger);
    EXPECT_EQ(netRole(-1), PaletteRole::danger);
    EXPECT_EQ(netRole(0), PaletteRole::textMuted);
    EXPECT_EQ(netRole(0, PaletteRole::text), PaletteRole::text);
    EXPECT_EQ(netRole(-1, PaletteRole::text), PaletteRole::danger);
    const Palette& p = Palette::cardRoom();
    EXPECT_EQ(color(netRole(150), p), p.success);
    EXPECT_EQ(color(netRole(-40), p), p.danger);
    EXPECT_EQ(color(netRole(0), p), p.textMuted);
}

TEST(AppContext, WithoutSettingsReadsTheCardRoomPalette) {
    AppContext context;
    EXPECT_EQ(&context.palette(), &Palette::cardRoom());
    EXPECT_EQ(context.feedback(), nullptr);
}

TEST(AppContext, ThemeChangeReachesEveryContextOfTheSettings) {
    SettingsStore settings;
    AppContext mainWindow(&settings);
    AppContext rangesWindow(&settings);
    QSignalSpy mainSpy(&mainWindow, &AppContext::paletteChanged);
    QSignalSpy rangesSpy(&rangesWindow, &AppContext::paletteChanged);
    settings.tableTheme.set(TableTheme::midnight);
    EXPECT_EQ(mainSpy.count(), 1);
    EXPECT_EQ(rangesSpy.count(), 1);
    EXPECT_EQ(&mainWindow.palette(), &Palette::midnight());
    settings.tableTheme.set(TableTheme::midnight);
    EXPECT_EQ(mainSpy.count(), 1);
}

}  // namespace
}  // namespace pellox::app
