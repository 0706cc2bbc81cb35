#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "kit/HeldSheet.hpp"

namespace pellox::app {
namespace {

// A held sheet asking for 600x500 and accepting no less than 400x300.
class SizedSheet : public HeldSheet {
  public:
    explicit SizedSheet(QWidget* parent) : HeldSheet(parent) { fitWithinWindow({600, 500}, {400, 300}); }
};

struct OpenSheet {
    QWidget window;
    SizedSheet* sheet;
    OpenSheet() {
        window.resize(1000, 800);
        window.show();
        sheet = new SizedSheet(&window);
        sheet->open();
    }
};

TEST(HeldSheet, RefusesEscapeAndCloseUntilReleased) {
    OpenSheet rig;
    ASSERT_TRUE(rig.sheet->isVisible());
    EXPECT_TRUE(rig.sheet->isHeld());
    QTest::keyClick(rig.sheet, Qt::Key_Escape);
    EXPECT_TRUE(rig.sheet->isVisible());
    EXPECT_FALSE(rig.sheet->close());
    EXPECT_TRUE(rig.sheet->isVisible());
    rig.sheet->release();
    EXPECT_FALSE(rig.sheet->isHeld());
    QTest::keyClick(rig.sheet, Qt::Key_Escape);
    EXPECT_FALSE(rig.sheet->isVisible());
    EXPECT_EQ(rig.sheet->result(), QDialog::Rejected);
}

TEST(HeldSheet, CloseWorksOnceReleased) {
    OpenSheet rig;
    rig.sheet->release();
    EXPECT_TRUE(rig.sheet->close());
    EXPECT_FALSE(rig.sheet->isVisible());
}

TEST(HeldSheet, IsWindowModal) {
    OpenSheet rig;
    EXPECT_EQ(rig.sheet->windowModality(), Qt::WindowModal);
}

TEST(HeldSheet, KeepsWithinItsWindowAsTheWindowIsResized) {
    OpenSheet rig;
    EXPECT_EQ(rig.sheet->size(), QSize(600, 500));
    rig.window.resize(500, 350);
    EXPECT_EQ(rig.sheet->size(), QSize(500, 350));
    EXPECT_EQ(rig.sheet->minimumSize(), QSize(400, 300));
    rig.window.resize(300, 200);  // less than the sheet's least: the window wins
    EXPECT_EQ(rig.sheet->size(), QSize(300, 200));
    EXPECT_EQ(rig.sheet->minimumSize(), QSize(300, 200));
    rig.window.resize(1200, 900);
    EXPECT_EQ(rig.sheet->size(), QSize(600, 500));
    EXPECT_EQ(rig.sheet->minimumSize(), QSize(400, 300));
}

TEST(HeldSheet, WithoutAParentTakesTheSizeItAsksFor) {
    SizedSheet sheet(nullptr);
    EXPECT_EQ(sheet.size(), QSize(600, 500));
    EXPECT_EQ(sheet.minimumSize(), QSize(400, 300));
}

}  // namespace
}  // namespace pellox::app
