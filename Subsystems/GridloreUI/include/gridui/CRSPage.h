// gridui::CRSPage: the coordinate-system browser as a page of a property sheet.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridui/BrowserOptions.h"
#include "gridui/Export.h"
#include "gridui/GeoArea.h"
#include "platform/PropertySheet.h"
#include "shr/IError.h"

#include <cstdint>
#include <memory>
#include <string>

namespace gridui {

class CRSDlgImpl;
class BrowserRoutes;

/// The browser of CRSDialog as a page of a platform::PropertySheet. A page lists no
/// systems in use and has no OK or Cancel of its own: the sheet's accept the choice.
class GRIDUI_EXPORT CRSPage : public platform::PropertyPage {
public:
    /// The paths and the sink as for CRSDialog; the sheet gives the parent window.
    CRSPage(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
            std::shared_ptr<shr::IError> const& errorSink,
            std::wstring const& customSystemsPath = {});
    ~CRSPage() override;
    CRSPage(CRSPage const&) = delete;
    CRSPage& operator=(CRSPage const&) = delete;

    /// The page's title; call before the sheet runs. Empty keeps the template's.
    void SetCaption(wchar_t const* text);
    /// How the browser behaves where a host may choose; call before DoModal.
    void SetOptions(BrowserOptions const& options);
    /// The options in force.
    BrowserOptions const& GetOptions() const;
    /// Where the host's data lies, in longitude and latitude; with the `areaOfInterest`
    /// option the browser offers, and starts with, only the systems meant for all of it.
    /// Call before DoModal.
    void SetAreaOfInterest(GeoArea const& area);
    /// The same as setting `openResultsUpTo` of the options.
    void SetOpenResultsUpTo(std::uint32_t count);
    /// The chosen system, with the initial system's warp put back.
    Gridlore::CoordinateSystem const& CurrentCoordinateSystem() const;
    /// The system the user chose, as CurrentCoordinateSystem: read it once DoModal
    /// returned IDOK (for a page, its sheet's DoModal).
    Gridlore::CoordinateSystem const& Result() const { return CurrentCoordinateSystem(); }

    /// The page's routing table (the library's own).
    platform::MessageMap const& GetMessageMap() const override;

protected:
    /// Sets the caption and fills the tree, starting on the current system.
    bool OnInitDialog() override;
    /// Adds the controls the options ask for (the area-of-use map).
    void AdjustTemplate(platform::DialogTemplate& dialog) const override;
    /// Binds the search box, the tree and the description.
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    friend class BrowserRoutes;
    CRSDlgImpl& Impl() const { return *m_impl; }

    std::unique_ptr<CRSDlgImpl> m_impl;
    std::wstring m_caption;
};

} // namespace gridui
