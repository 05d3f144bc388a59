// BrowserUnderTest: the browser over the whole registry on the backend a test executable
// runs (real windows of either toolkit), with a scripted user.
#pragma once

#include "DialogLayout.h"
#include "FailingErrorSink.h"
#include "ScratchDirectory.h"

#include "gridlore/CoordinateSystem.h"
#include "platform/Driver.h"
#include "platform/Geometry.h"
#include "platform/TreeCtrl.h"
#include "shr/IError.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace browsertest {

/// A registry system by its code, such as L"EPSG:4326".
Gridlore::CoordinateSystem Registry(wchar_t const* code);
/// "Harbour survey grid", a local system no registry knows: the browser keeps it under
/// "Custom".
Gridlore::CoordinateSystem SurveyGrid();
/// The registry code of a referenced system; 0 for any other.
int CodeOf(Gridlore::CoordinateSystem const& system);

platform::TreeCtrl& Tree(platform::User& user);
/// The first item below `item`, depth first, whose text is `text`; null when none.
platform::TreeItem FindBelow(platform::TreeCtrl const& tree, platform::TreeItem item,
                             std::wstring const& text);
/// The root item with `text`; null when none.
platform::TreeItem FindRoot(platform::TreeCtrl const& tree, std::wstring const& text);

/// Types `text` in the search box and presses Enter, as the user searches.
void Search(platform::User& user, std::wstring const& text);

using dialoglayout::ClientRect;

/// Saves the dialog (the sheet, for a page) as `name` under the test artifacts and
/// checks that a picture was written.
void SaveScreenshot(platform::User& user, std::string const& name);

/// The executable's backend and a driver installed for one test, with a favourites file
/// of its own.
class BrowserUnderTest : public ::testing::Test {
protected:
    BrowserUnderTest();
    ~BrowserUnderTest() override;

    platform::BackendScope m_backendScope;
    platform::Driver m_driver;
    platform::DriverScope m_driverScope{m_driver};
    ScratchDirectory m_scratch;
    std::wstring const m_favoritesPath = (m_scratch / "favourites.qrf2").wstring();
    std::shared_ptr<shr::IError> const m_sink = std::make_shared<FailingErrorSink>();
};

} // namespace browsertest
