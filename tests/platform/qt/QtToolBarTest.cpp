// The Qt toolbar clicked as a user clicks it: through the button, not the program.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "platform/Driver.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(QtToolBar, a_users_click_on_a_check_button_presses_it_and_sends_its_command) {
    platform::BackendScope const backend{BackendUnderTest()};
    testdialog::Resources const resources;
    platform::Driver driver;
    platform::DriverScope const driverScope{driver};
    testdialog::TestDialog dialog;
    driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        dialog.toolBar.OnUpdateCmdUI(dialog, true);
        QToolBar* bar = nullptr;
        for (QWidget* widget : QApplication::allWidgets()) {
            bar = bar != nullptr ? bar : qobject_cast<QToolBar*>(widget);
        }
        ASSERT_NE(bar, nullptr);
        // The first button is the command A's, a check button.
        QWidget* button = bar->widgetForAction(bar->actions().front());
        ASSERT_NE(button, nullptr);
        dialog.log.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"CommandA"}));
        EXPECT_TRUE(dialog.toolBar.IsButtonChecked(testdialog::CommandA));
        EXPECT_TRUE(dialog.alphaOn);
        // The command turned off: the next update shows the button up again.
        QTest::mouseClick(button, Qt::LeftButton);
        dialog.toolBar.OnUpdateCmdUI(dialog, true);
        EXPECT_FALSE(dialog.toolBar.IsButtonChecked(testdialog::CommandA));
        EXPECT_FALSE(bar->actions().front()->isChecked());
        user.Close();
    });
    dialog.DoModal();
}
