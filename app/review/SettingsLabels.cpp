#include "review/SettingsLabels.hpp"

namespace pellox::app {

QString settingsLabel(GuideMode mode) {
    switch (mode) {
        case GuideMode::show:
            return QStringLiteral("Show advice");
        case GuideMode::gradeOnly:
            return QStringLiteral("Test yourself");
        case GuideMode::off:
            return QStringLiteral("Off");
    }
    return {};
}

QString settingsLabel(TableTheme theme) {
    switch (theme) {
        case TableTheme::cardRoom:
            return QStringLiteral("Card Room");
        case TableTheme::clubGreen:
            return QStringLiteral("Club Green");
        case TableTheme::midnight:
            return QStringLiteral("Midnight");
        case TableTheme::oxblood:
            return QStringLiteral("Oxblood");
    }
    return {};
}

QString settingsLabel(GameSpeed speed) {
    switch (speed) {
        case GameSpeed::relaxed:
            return QStringLiteral("Relaxed");
        case GameSpeed::normal:
            return QStringLiteral("Normal");
        case GameSpeed::fast:
            return QStringLiteral("Fast");
    }
    return {};
}

QString settingsLabel(BotDifficulty difficulty) {
    switch (difficulty) {
        case BotDifficulty::easy:
            return QStringLiteral("Easy");
        case BotDifficulty::normal:
            return QStringLiteral("Normal");
        case BotDifficulty::hard:
            return QStringLiteral("Hard");
    }
    return {};
}

QString displayName(Street street) {
    switch (street) {
        case Street::preflop:
            return QStringLiteral("Preflop");
        case Street::flop:
            return QStringLiteral("Flop");
        case Street::turn:
            return QStringLiteral("Turn");
        case Street::river:
            return QStringLiteral("River");
        case Street::showdown:
            return QStringLiteral("Showdown");
    }
    return {};
}

}  // namespace pellox::app
