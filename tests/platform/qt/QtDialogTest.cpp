// The real windows: what a screenshot of a dialog shows, and where its focus starts.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "TestArtifacts.h"

#include "platform/Driver.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>

TEST(QtDialog, a_screenshot_shows_the_drawing_surface_base_under_its_overlay) {
    platform::BackendScope const backend{BackendUnderTest()};
    testdialog::Resources const resources;
    platform::Driver driver;
    platform::DriverScope const driverScope{driver};
    testdialog::TestDialog dialog;
    std::filesystem::path const screenshot = ArtifactFolder() / "platform-qt-drawing-surface.png";
    std::filesystem::remove(screenshot);
    platform::Rect client;
    driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        client = testdialog::PaintRedOverBlue(dialog);
        ASSERT_TRUE(dialog.SaveScreenshot(screenshot.string()));
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    QImage const image(QString::fromStdString(screenshot.string()));
    ASSERT_FALSE(image.isNull());
    int const y = (client.top + client.bottom) / 2;
    EXPECT_EQ(image.pixelColor(client.left + client.Width() / 4, y), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(client.right - client.Width() / 4, y), QColor(0, 0, 255));
}

TEST(QtDialog, opens_on_its_first_box_and_a_box_given_the_focus_has_its_text_selected) {
    platform::BackendScope const backend{BackendUnderTest()};
    testdialog::Resources const resources;
    platform::Driver driver;
    platform::DriverScope const driverScope{driver};
    testdialog::TestDialog dialog;
    driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        auto* const opened = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(opened, nullptr);
        dialog.name.SetWindowText(L"Harbour grid");
        dialog.combo.SetFocus();
        dialog.name.SetFocus();
        // Typing then replaces the name, as it does when the dialog's keys bring the focus.
        EXPECT_EQ(opened->selectedText(), QString("Harbour grid"));
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
}
