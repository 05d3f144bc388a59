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

/// A page lists no systems in use and has no OK or Cancel of its own: the sheet's
/// accept the choice.
class GRIDUI_EXPORT CRSPage : public platform::PropertyPage {
public:
    /// The paths and the sink as for CRSDialog.
    CRSPage(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
            std::shared_ptr<shr::IError> const& errorSink,
            std::wstring const& customSystemsPath = {});
    ~CRSPage() override;
    CRSPage(CRSPage const&) = delete;
    CRSPage& operator=(CRSPage const&) = delete;

    void SetCaption(wchar_t const* text);
    /// How the browser behaves where a host may choose; call before DoModal.
    void SetOptions(BrowserOptions const& options);
    BrowserOptions const& GetOptions() const;
    /// Where the host's data lies, in longitude and latitude; with the `areaOfInterest`
    /// option the browser offers, and starts with, only the systems meant for all of it.
    /// Call before DoModal.
    void SetAreaOfInterest(GeoArea const& area);
    /// The same as setting `openResultsUpTo` of the options.
    void SetOpenResultsUpTo(std::uint32_t count);
    Gridlore::CoordinateSystem const& CurrentCoordinateSystem() const;

    platform::MessageMap const& GetMessageMap() const override;

protected:
    bool OnInitDialog() override;
    /// Adds the controls the options ask for (the area-of-use map).
    void AdjustTemplate(platform::DialogTemplate& dialog) const override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    friend class BrowserRoutes;
    CRSDlgImpl& Impl() const { return *impl; }

    std::unique_ptr<CRSDlgImpl> impl;
    std::wstring caption;
};

} // namespace gridui
