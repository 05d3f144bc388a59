// DialogScene: the test dialog on the backend under test, played by a scripted user.
#pragma once

#include "BackendUnderTest.h"
#include "TestDialog.h"

#include "platform/Driver.h"

#include <gtest/gtest.h>

#include <utility>

class DialogScene : public ::testing::Test {
protected:
    /// Shows the dialog, plays `scene` as its user and returns DoModal's result.
    int Run(platform::Scene scene) {
        m_driver.OnDialog(testdialog::TemplateId, std::move(scene));
        return m_dialog.DoModal();
    }

    /// As Run, then closes the dialog, whatever the scene's checks found.
    void Play(platform::Scene const& scene) {
        Run([&](platform::User& user) {
            scene(user);
            user.Close();
        });
    }

    platform::BackendScope const m_backend{BackendUnderTest()};
    testdialog::Resources const m_resources;
    platform::Driver m_driver;
    platform::DriverScope const m_driverScope{m_driver};
    testdialog::TestDialog m_dialog;
};
