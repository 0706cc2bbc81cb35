// Application tests run headless, with motion reduced, in a pinned locale, unless the environment says
// otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "shell/DarkStyle.hpp"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("PELLOX_REDUCE_MOTION")) qputenv("PELLOX_REDUCE_MOTION", "1");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    pellox::app::applyDarkStyle(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
