#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "AccessibleActions.hpp"
#include "kit/HoverButton.hpp"
#include "session/GameSession.hpp"
#include "session/SessionTestSupport.hpp"
#include "shell/HomeScreen.hpp"
#include "shell/HomeScreenModel.hpp"
#include "theme/AppContext.hpp"
#include "theme/Palette.hpp"

namespace pellox::app {
namespace {

namespace model = HomeScreenModel;

struct HomeRig {
    pellox::testing::SessionRig session;
    AppContext context{&session.settings};
    int started = 0;
    std::vector<Route> pushed;
    HomeScreen home{context, session.session, session.settings, [this] { ++started; },
                    [this](const Route& r) { pushed.push_back(r); }};

    HomeRig() {
        home.resize(900, 900);
        home.show();
    }
};

TEST(HomeScreenModel, TextsOfTheScreen) {
    EXPECT_EQ(model::titleText(), "PELLOX POKER");
    EXPECT_EQ(model::tagline(), "Practice cash games and tournaments with a strategy guide you control.");
    EXPECT_EQ(model::opponentsSectionTitle(), "OPPONENTS");
    EXPECT_EQ(model::guideSectionTitle(), "GUIDE");
    EXPECT_EQ(model::countAccessibleName(1), "1 opponent");
    EXPECT_EQ(model::countAccessibleName(2), "2 opponents");
    EXPECT_EQ(model::countAccessibleName(5), "5 opponents");
    QStringList guide, modes;
    for (const auto& card : model::guideCards())
        guide << card.title + " / " + card.detail;
    for (const auto& card : model::modeCards())
        modes << card.title + " / " + card.subtitle;
    EXPECT_EQ(guide, (QStringList{"Show advice / See the recommended play before you act",
                                  "Test yourself / Advice hidden, decisions graded",
                                  "Off / No advice, no grading"}));
    EXPECT_EQ(modes, (QStringList{"CASH GAME / Fixed blinds, rebuy anytime",
                                  "TOURNAMENT / Rising blinds, last one standing wins"}));
    QStringList links;
    for (const auto& link : model::quickLinks())
        links << link.label + " " + link.symbol;
    EXPECT_EQ(links, (QStringList{"Stats chart.bar.fill", "History clock.arrow.circlepath",
                                  "Ranges square.grid.3x3.fill", "Settings gearshape.fill"}));
    EXPECT_EQ(model::quickLinks()[2].route, Route::ranges());
}

TEST(HomeScreenModel, SelectedAndUnselectedColours) {
    const Palette& p = Palette::clubGreen();
    EXPECT_EQ(model::countButtonColors(true, p).fill, p.accent);
    EXPECT_EQ(model::countButtonColors(true, p).text, p.onAccent);
    EXPECT_EQ(model::countButtonColors(false, p).fill, p.seatEmpty);
    EXPECT_EQ(model::countButtonColors(false, p).text, p.text);
    EXPECT_EQ(model::guideCardColors(true, p).fill, p.accentSoft);
    EXPECT_EQ(model::guideCardColors(true, p).stroke, p.accent);
    EXPECT_EQ(model::guideCardColors(true, p).title, p.accent);
    EXPECT_EQ(model::guideCardColors(false, p).fill.alpha(), 0);
    EXPECT_EQ(model::guideCardColors(false, p).stroke, p.border);
    EXPECT_EQ(model::guideCardColors(false, p).title, p.text);
    EXPECT_EQ(model::modeCardFill(GameMode::cash, p), p.callBtn);
    EXPECT_EQ(model::modeCardFill(GameMode::tournament, p), p.raiseBtn);
}

TEST(HomeScreen, ThreeOpponentsAtFirstAndEitherCardSeatsThem) {
    for (GameMode mode : {GameMode::cash, GameMode::tournament}) {
        HomeRig rig;
        EXPECT_EQ(rig.home.opponents(), 3);
        EXPECT_EQ(rig.home.countButton(3)->fill(), rig.context.palette().accent);
        EXPECT_EQ(rig.home.countButton(2)->fill(), rig.context.palette().seatEmpty);
        QTest::mouseClick(rig.home.modeCard(mode), Qt::LeftButton);
        ASSERT_TRUE(rig.session.session.table());
        EXPECT_EQ(rig.session.session.table()->players.size(), 4u);
        EXPECT_EQ(rig.session.session.mode(), mode);
        EXPECT_EQ(rig.started, 1);
    }
}

TEST(HomeScreen, OneOpponentThenCashSeatsTwoPlayers) {
    HomeRig rig;
    EXPECT_EQ(rig.home.countButton(1)->accessibleName(), "1 opponent");
    EXPECT_EQ(rig.home.countButton(4)->accessibleName(), "4 opponents");
    QTest::mouseClick(rig.home.countButton(1), Qt::LeftButton);
    QTest::mouseClick(rig.home.countButton(1), Qt::LeftButton);
    EXPECT_EQ(rig.home.opponents(), 1);
    EXPECT_EQ(rig.home.countButton(1)->fill(), rig.context.palette().accent);
    EXPECT_EQ(rig.home.countButton(3)->fill(), rig.context.palette().seatEmpty);
    QTest::mouseClick(rig.home.modeCard(GameMode::cash), Qt::LeftButton);
    EXPECT_EQ(rig.session.session.table()->players.size(), 2u);
}

TEST(HomeScreen, AGuideCardSetsTheModeAndSavesEvenWhenAlreadyChosen) {
    HomeRig rig;
    const int writes = rig.session.store->writes;
    QTest::mouseClick(rig.home.guideCard(GuideMode::gradeOnly), Qt::LeftButton);
    EXPECT_EQ(rig.session.settings.guideMode.get(), GuideMode::gradeOnly);
    EXPECT_EQ(rig.session.store->writes, writes + 1);
    SettingsStore reread;
    reread.load(rig.session.store);
    EXPECT_EQ(reread.guideMode.get(), GuideMode::gradeOnly);
    QTest::mouseClick(rig.home.guideCard(GuideMode::gradeOnly), Qt::LeftButton);
    EXPECT_EQ(rig.session.store->writes, writes + 2);
}

TEST(HomeScreen, EachGuideCardSelectsTheModeItsTitleNames) {
    // Found by the title the user reads, so a card wired to another card's mode fails.
    const std::vector<std::pair<QString, GuideMode>> titled{
        {"Off", GuideMode::off}, {"Show advice", GuideMode::show}, {"Test yourself", GuideMode::gradeOnly}};
    HomeRig rig;
    for (const auto& [title, mode] : titled) {
        QAbstractButton* card = nullptr;
        for (QAbstractButton* button : rig.home.findChildren<QAbstractButton*>())
            if (button->text() == title) card = button;
        ASSERT_NE(card, nullptr) << title.toStdString();
        QTest::mouseClick(card, Qt::LeftButton);
        EXPECT_EQ(rig.session.settings.guideMode.get(), mode) << title.toStdString();
    }
}

TEST(HomeScreen, TheSelectedGuideCardFollowsAChangeMadeElsewhere) {
    HomeRig rig;
    const QColor accent = rig.context.palette().accent;
    const auto titleColourAt = [&](GuideMode mode) {
        const QImage image = rig.home.guideCard(mode)->grab().toImage();
        return image.pixelColor(0, image.height() / 2);
    };
    const QColor unselectedEdge = titleColourAt(GuideMode::off);
    rig.session.settings.guideMode.set(GuideMode::off);
    const QColor selectedEdge = titleColourAt(GuideMode::off);
    EXPECT_NE(selectedEdge, unselectedEdge);
    EXPECT_NEAR(selectedEdge.red(), accent.red(), 40) << "the stroke of the selected card is the accent";
}

TEST(HomeScreen, QuickLinksPushTheirRoutesInOrder) {
    HomeRig rig;
    QStringList labels;
    for (int i = 0; i < 4; ++i) {
        labels << rig.home.quickLink(i)->text();
        QTest::mouseClick(rig.home.quickLink(i), Qt::LeftButton);
    }
    EXPECT_EQ(labels, (QStringList{"Stats", "History", "Ranges", "Settings"}));
    EXPECT_EQ(rig.pushed,
              (std::vector<Route>{Route::stats(), Route::history(), Route::ranges(), Route::settings()}));
    EXPECT_EQ(rig.started, 0);
}

TEST(HomeScreen, HeaderTexts) {
    HomeRig rig;
    QStringList texts;
    for (QLabel* label : rig.home.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("PELLOX POKER"));
    EXPECT_TRUE(texts.contains("Practice cash games and tournaments with a strategy guide you control."));
    EXPECT_TRUE(texts.contains("OPPONENTS"));
    EXPECT_TRUE(texts.contains("GUIDE"));
}

}  // namespace
}  // namespace pellox::app

namespace pellox::app {
namespace {

bool checkedFor(QAbstractButton* button) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    return iface && iface->state().checkable && iface->state().checked;
}

// The chosen count and guide mode are heard as chosen, as a picker's segment is; a screen reader's toggle
// chooses, and toggling the chosen one again leaves it chosen (and still saves a guide mode).
TEST(HomeScreen, TheChosenCountAndGuideModeAreExposedAsChosen) {
    using testing::operateAccessibly;
    HomeRig rig;
    for (int count = 1; count <= 5; ++count) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(rig.home.countButton(count));
        EXPECT_EQ(iface->role(), QAccessible::RadioButton);
        EXPECT_EQ(checkedFor(rig.home.countButton(count)), count == 3) << count;
    }
    ASSERT_TRUE(operateAccessibly(rig.home.countButton(1)));
    EXPECT_EQ(rig.home.opponents(), 1);
    EXPECT_TRUE(checkedFor(rig.home.countButton(1)));
    EXPECT_FALSE(checkedFor(rig.home.countButton(3)));
    ASSERT_TRUE(operateAccessibly(rig.home.countButton(1)));
    EXPECT_TRUE(checkedFor(rig.home.countButton(1))) << "the chosen count stays chosen";

    EXPECT_EQ(QAccessible::queryAccessibleInterface(rig.home.guideCard(GuideMode::show))->role(),
              QAccessible::RadioButton);
    EXPECT_TRUE(checkedFor(rig.home.guideCard(GuideMode::show)));
    const int writes = rig.session.store->writes;
    ASSERT_TRUE(operateAccessibly(rig.home.guideCard(GuideMode::off)));
    EXPECT_EQ(rig.session.settings.guideMode.get(), GuideMode::off);
    EXPECT_TRUE(checkedFor(rig.home.guideCard(GuideMode::off)));
    EXPECT_FALSE(checkedFor(rig.home.guideCard(GuideMode::show)));
    ASSERT_TRUE(operateAccessibly(rig.home.guideCard(GuideMode::off)));
    EXPECT_TRUE(checkedFor(rig.home.guideCard(GuideMode::off))) << "the chosen mode stays chosen";
    EXPECT_EQ(rig.session.store->writes, writes + 2);
    rig.session.settings.guideMode.set(GuideMode::gradeOnly);
    EXPECT_TRUE(checkedFor(rig.home.guideCard(GuideMode::gradeOnly))) << "a change made elsewhere shows";
    EXPECT_FALSE(checkedFor(rig.home.guideCard(GuideMode::off)));
    EXPECT_FALSE(checkedFor(rig.home.modeCard(GameMode::cash))) << "a mode card is a plain button";
}

}  // namespace
}  // namespace pellox::app
