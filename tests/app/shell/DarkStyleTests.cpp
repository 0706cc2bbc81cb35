#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

#include "shell/DarkStyle.hpp"

namespace pellox::app {
namespace {

TEST(DarkStyle, TheApplicationIsFusionOnADarkPalette) {
    applyDarkStyle(*qApp);
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    const QPalette palette = QApplication::palette();
    EXPECT_LT(palette.color(QPalette::Window).lightness(), 60);
    EXPECT_LT(palette.color(QPalette::Base).lightness(), 60);
    EXPECT_GT(palette.color(QPalette::WindowText).lightness(), 200);
    EXPECT_GT(palette.color(QPalette::ButtonText).lightness(), 200);
    EXPECT_LT(palette.color(QPalette::Disabled, QPalette::Text).lightness(),
              palette.color(QPalette::Active, QPalette::Text).lightness());
}

}  // namespace
}  // namespace pellox::app
