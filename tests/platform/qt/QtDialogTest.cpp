// The real windows: what a screenshot of a dialog shows, and where its focus starts.
#include "../DialogScene.h"

#include "TestArtifacts.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

namespace {
class QtDialog : public DialogScene {};
} // namespace

TEST_F(QtDialog, a_screenshot_shows_the_drawing_surface_base_under_its_overlay) {
    std::filesystem::path const screenshot = ArtifactFolder() / "platform-qt-drawing-surface.png";
    std::filesystem::remove(screenshot);
    platform::Rect client;
    Play([&](platform::User&) {
        client = testdialog::PaintRedOverBlue(m_dialog);
        EXPECT_TRUE(m_dialog.SaveScreenshot(screenshot.string()));
    });
    QImage const image(QString::fromStdString(screenshot.string()));
    ASSERT_FALSE(image.isNull());
    int const y = (client.top + client.bottom) / 2;
    EXPECT_EQ(image.pixelColor(client.left + client.Width() / 4, y), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(client.right - client.Width() / 4, y), QColor(0, 0, 255));
}

TEST_F(QtDialog, opens_on_its_first_box_and_a_box_given_the_focus_has_its_text_selected) {
    Play([&](platform::User&) {
        auto* const opened = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(opened, nullptr);
        m_dialog.name.SetWindowText(L"Harbour grid");
        m_dialog.combo.SetFocus();
        m_dialog.name.SetFocus();
        // Typing then replaces the name, as it does when the dialog's keys bring the focus.
        EXPECT_EQ(opened->selectedText(), QString("Harbour grid"));
    });
}
