// BrowserTest: the browser on a small fixed catalogue, with a scripted user and no favourites.
#pragma once

#include "../kor/KnownFixture.h"
#include "CRSDlgImpl.h"
#include "FailingErrorSink.h"
#include "ScratchDirectory.h"

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/BrowserOptions.h"
#include "gridui/GeoArea.h"
#include "gridui/ResourceIds.h"
#include "kor/KnownCatalogue.h"
#include "platform/Driver.h"
#include "platform/TreeCtrl.h"
#include "platform/headless/HeadlessBackend.h"
#include "shr/IError.h"
#include "shrgui/CDialogEx.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace browsertest {

using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;

/// The kortest systems plus "A|B|C", "A|B|D", "A|x", "a|y" (projected, made-up codes
/// 990001 to 990004) and the local "Site|Grids|Harbour grid": six predefined systems and
/// two local ones.
std::shared_ptr<kor::FixedCatalogue> MakeCatalogue();

Gridlore::CoordinateSystem Wgs84();
Gridlore::CoordinateSystem Utm33();
Gridlore::CoordinateSystem LocalSystem(std::wstring const& name, double unitsPerMeter);
/// A local system the catalogue does not know.
Gridlore::CoordinateSystem SurveyGrid();
Gridlore::CoordinateSystemCollection
Systems(std::initializer_list<Gridlore::CoordinateSystem> list);

/// Every item, depth first: two spaces a level, then "- " for an expanded item with
/// children, "+ " for a collapsed one, two spaces for a leaf, then the text.
std::vector<std::wstring> Outline(platform::TreeCtrl const& tree);
/// The texts of the root items.
std::vector<std::wstring> Roots(platform::TreeCtrl const& tree);
/// The texts from the root to `item`, joined by "|"; empty for a null item.
std::wstring PathOf(platform::TreeCtrl const& tree, platform::TreeItem item);

/// The browser's template around a CRSDlgImpl of the test's own, so that tests reach the
/// operations the real hosts keep to themselves. It routes no events.
class ImplHost final : public shrgui::CDialogEx {
public:
    ImplHost(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
             std::shared_ptr<shr::IError> const& errorSink,
             Gridlore::CoordinateSystemCollection inUse);

    gridui::CRSDlgImpl& Impl() { return m_impl; }

protected:
    bool OnInitDialog() override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    gridui::CRSDlgImpl m_impl;
};

class BrowserTest : public ::testing::Test {
protected:
    BrowserTest();
    ~BrowserTest() override;

    /// Opens the browser dialog on `current` with `m_options`, `m_customPath` and
    /// `m_areaOfInterest`, plays
    /// `scene`, closes with `button` and gives the system the dialog ends with.
    Gridlore::CoordinateSystem Browse(Gridlore::CoordinateSystem const& current,
                                      Gridlore::CoordinateSystemCollection const& inUse,
                                      platform::Scene const& scene,
                                      platform::ControlId button = platform::IDCANCEL);
    /// Types `text` into the search box and presses Enter there.
    static void Search(platform::User& user, std::wstring const& text);
    /// The texts of the children of the item at `path`.
    static std::vector<std::wstring> Children(platform::User& user, std::wstring const& path);
    /// Answers the local-system dialog by naming the system `name` and pressing OK.
    void NameLocalSystem(std::wstring const& name);
    /// Answers the define dialog the same way.
    void NameDefinedSystem(std::wstring const& name);
    /// The leaf names a collection file holds, read back as the next session would.
    static std::vector<std::wstring> SavedNames(std::wstring const& path);

    /// The process-wide favourites, emptied before and after each test.
    static Gridlore::CoordinateSystemCollection& Favorites();

    static platform::TreeCtrl& Tree(platform::User& user);
    static std::wstring SelectedPath(platform::User& user);
    static bool Enabled(platform::User& user, platform::ControlId id);
    static bool Visible(platform::User& user, platform::ControlId id);
    static std::wstring Text(platform::User& user, platform::ControlId id);
    /// The status line's text when it shows, else empty.
    static std::wstring Status(platform::User& user);

    kortest::FixtureScope m_catalogue{MakeCatalogue()};
    platform::headless::HeadlessBackend m_backend;
    platform::BackendScope m_backendScope{m_backend};
    platform::Driver m_driver;
    platform::DriverScope m_driverScope{m_driver};
    ScratchDirectory m_scratch;
    std::wstring const m_favoritesPath = (m_scratch / "favourites.qrf2").wstring();
    std::shared_ptr<shr::IError> const m_sink = std::make_shared<FailingErrorSink>();
    /// What Browse opens the browser with: the classic behaviour, custom systems not kept.
    gridui::BrowserOptions m_options;
    std::wstring m_customPath;
    std::optional<gridui::GeoArea> m_areaOfInterest;
};

} // namespace browsertest
