// The Qt toolbar clicked as a user clicks it: through the button, not the program.
#include "../DialogScene.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolBar>

#include <string>
#include <vector>

namespace {
class QtToolBar : public DialogScene {};
} // namespace

TEST_F(QtToolBar, a_users_click_on_a_check_button_presses_it_and_sends_its_command) {
    Play([&](platform::User&) {
        m_dialog.toolBar.OnUpdateCmdUI(m_dialog, true);
        QToolBar* bar = nullptr;
        for (QWidget* widget : QApplication::allWidgets()) {
            bar = bar != nullptr ? bar : qobject_cast<QToolBar*>(widget);
        }
        ASSERT_NE(bar, nullptr);
        // The first button is the command A's, a check button.
        QWidget* button = bar->widgetForAction(bar->actions().front());
        ASSERT_NE(button, nullptr);
        m_dialog.log.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"CommandA"}));
        EXPECT_TRUE(m_dialog.toolBar.IsButtonChecked(testdialog::CommandA));
        EXPECT_TRUE(m_dialog.alphaOn);
        // The command turned off: the next update shows the button up again.
        QTest::mouseClick(button, Qt::LeftButton);
        m_dialog.toolBar.OnUpdateCmdUI(m_dialog, true);
        EXPECT_FALSE(m_dialog.toolBar.IsButtonChecked(testdialog::CommandA));
        EXPECT_FALSE(bar->actions().front()->isChecked());
    });
}
