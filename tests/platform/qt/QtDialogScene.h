// The test dialog on the Qt backend, played by a scripted user.
#pragma once

#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "platform/Driver.h"

#include <gtest/gtest.h>

#include <utility>

class QtDialogScene : public ::testing::Test {
protected:
    /// Shows the dialog, plays `scene` as its user, then closes it, whatever the scene's
    /// checks found.
    void Play(platform::Scene scene) {
        m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
            scene(user);
            user.Close();
        });
        m_dialog.DoModal();
    }

    platform::BackendScope const m_backend{BackendUnderTest()};
    testdialog::Resources const m_resources;
    platform::Driver m_driver;
    platform::DriverScope const m_driverScope{m_driver};
    testdialog::TestDialog m_dialog;
};
