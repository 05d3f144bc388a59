// A test fixture with the headless backend, the test dialog's resources and a driver.
#pragma once

#include "../TestDialog.h"

#include "platform/Driver.h"
#include "platform/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

class HeadlessTest : public ::testing::Test {
protected:
    platform::headless::HeadlessBackend m_backend;
    platform::BackendScope m_backendScope{m_backend};
    testdialog::Resources m_resources;
    platform::Driver m_driver;
    platform::DriverScope m_driverScope{m_driver};
};
