#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "shell/DialogSupport.hpp"

namespace pellox::app {
namespace {

// A dialog over a screen takes the commands along, and on closing gives the keyboard back to the very control
// that had it, not merely to the screen.
TEST(DialogSupport, CommandsWorkInADialogAndFocusReturnsToTheControlThatHadIt) {
    QAction command(QStringLiteral("Settings..."));
    DialogSupport support({&command});
    QWidget screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* first = new QLineEdit(&screen);
    auto* second = new QLineEdit(&screen);
    layout->addWidget(first);
    layout->addWidget(second);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    second->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), second);

    auto* dialog = new QDialog(&screen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* inDialog = new QLineEdit(dialog);
    dialog->open();
    EXPECT_TRUE(dialog->actions().contains(&command));
    QApplication::setActiveWindow(dialog);
    inDialog->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), inDialog);

    dialog->accept();
    QApplication::setActiveWindow(&screen);  // as the window system does once the dialog is gone
    EXPECT_EQ(QApplication::focusWidget(), second);
}

}  // namespace
}  // namespace pellox::app
