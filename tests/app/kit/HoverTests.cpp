#include <gtest/gtest.h>

#include <QAccessible>
#include <QEnterEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "kit/HoverButton.hpp"
#include "kit/ModalButtons.hpp"
#include "kit/PointerHover.hpp"
#include "theme/AppContext.hpp"

namespace pellox::app {
namespace {

void enter(QWidget& widget) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

HoverButton* filledButton(const AppContext& context, QWidget* parent, const QColor& fill) {
    auto* button = new HoverButton(context, QString(), parent);
    button->setFill(fill);
    button->setShape(HoverButton::Shape::roundedRect, 0);
    button->setFaceSize({40, 30});
    return button;
}

TEST(PointerHover, BrightensByEightHundredthsWhileThePointerIsOver) {
    AppContext context;
    context.setReduceMotion(true);
    QWidget window;
    HoverButton* button = filledButton(context, &window, QColor(0xC9, 0xA2, 0x5A));
    button->setGeometry(0, 0, 40, 30);
    window.resize(60, 40);
    window.show();
    auto pixel = [&] { return window.grab().toImage().pixelColor(20, 15); };
    EXPECT_EQ(pixel(), QColor(0xC9, 0xA2, 0x5A));
    enter(*button);
    EXPECT_TRUE(PointerHover::of(button)->isHovering());
    EXPECT_DOUBLE_EQ(PointerHover::of(button)->progress(), 1);
    EXPECT_EQ(pixel(), QColor(0xDD, 0xB6, 0x6E));  // +20 of 255 on each channel
    leave(*button);
    EXPECT_EQ(pixel(), QColor(0xC9, 0xA2, 0x5A));
}

TEST(PointerHover, TwoButtonsBrightenIndependently) {
    AppContext context;
    context.setReduceMotion(true);
    QWidget window;
    HoverButton* first = filledButton(context, &window, QColor(0x40, 0x40, 0x40));
    HoverButton* second = filledButton(context, &window, QColor(0x40, 0x40, 0x40));
    first->setGeometry(0, 0, 40, 30);
    second->setGeometry(50, 0, 40, 30);
    window.resize(100, 40);
    window.show();
    enter(*second);
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 15), QColor(0x40, 0x40, 0x40));
    EXPECT_EQ(image.pixelColor(70, 15), QColor(0x54, 0x54, 0x54));
}

TEST(PointerHover, AnimatesOverItsDurationWithMotionOn) {
    AppContext context;
    context.setReduceMotion(false);
    QPushButton button("Stats");
    PointerHover* hover = PointerHover::attach(&button, context);
    EXPECT_EQ(PointerHover::attach(&button, context), hover);
    enter(button);
    EXPECT_LT(hover->progress(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hover->progress() == 1; }, 1000));
    leave(button);
    EXPECT_GT(hover->progress(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hover->progress() == 0; }, 1000));
}

TEST(PointerHover, HidingEndsTheHover) {
    AppContext context;
    context.setReduceMotion(true);
    QWidget window;
    QPushButton* button = new QPushButton("Go", &window);
    PointerHover::attach(button, context);
    window.show();
    enter(*button);
    button->hide();
    EXPECT_FALSE(PointerHover::of(button)->isHovering());
}

TEST(HoverButton, ClicksAnywhereInItsHitMarginsAndNamesItself) {
    AppContext context;
    QWidget window;
    auto* button = new HoverButton(context, "Pot", &window);
    button->setHitMargins({0, 7, 0, 7});
    button->resize(button->sizeHint());
    window.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Pot");
    EXPECT_EQ(button->faceRect().height() + 14, button->height());
    int clicks = 0;
    QObject::connect(button, &QAbstractButton::clicked, [&] { ++clicks; });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, 2));
    EXPECT_EQ(clicks, 1);
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicks, 1);
}

TEST(ModalButtons, PutsItsButtonsAtTheTrailingEdgeEightApart) {
    QWidget card;
    auto* row = new ModalButtons({new QPushButton("Cancel"), new QPushButton("Leave")}, &card);
    row->setGeometry(0, 0, 600, 40);
    card.resize(600, 40);
    card.show();
    QApplication::processEvents();
    const auto buttons = row->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    const QRect cancel = buttons[0]->geometry();
    const QRect leave = buttons[1]->geometry();
    EXPECT_EQ(leave.right(), row->width() - 1);
    EXPECT_EQ(leave.left() - cancel.right() - 1, 8);
}

}  // namespace
}  // namespace pellox::app
