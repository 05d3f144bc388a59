// gridui::CRSDialog: the coordinate-system browser as a modal, resizable dialog.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/BrowserOptions.h"
#include "gridui/Export.h"
#include "gridui/GeoArea.h"
#include "shr/IError.h"
#include "shrgui/CDialogResize.h"

#include <cstdint>
#include <memory>
#include <string>

namespace gridui {

class CRSDlgImpl;
class BrowserRoutes;

class GRIDUI_EXPORT CRSDialog : public shrgui::CDialogResize {
public:
    /// Starts from `current`; `inUse` are the systems the host's document already uses.
    /// Saves the favourites to `favoritesPath`. An empty path or a null sink is an
    /// internal error. The custom systems are kept in `customSystemsPath` from one
    /// browser to the next; empty keeps them only while this browser is open.
    CRSDialog(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
              std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent,
              Gridlore::CoordinateSystemCollection const& inUse,
              std::wstring const& customSystemsPath = {});
    ~CRSDialog() override;
    CRSDialog(CRSDialog const&) = delete;
    CRSDialog& operator=(CRSDialog const&) = delete;

    /// The window title; call before the window exists. Empty keeps the template's.
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
    /// The chosen system, with the initial system's warp put back.
    Gridlore::CoordinateSystem const& CurrentCoordinateSystem() const;

    shrgui::ResizeMapEntry const* GetDlgResizeMap() const override;
    platform::MessageMap const& GetMessageMap() const override;

protected:
    bool OnInitDialog() override;
    /// Adds the controls the options ask for (the area-of-use map).
    void AdjustTemplate(platform::DialogTemplate& dialog) const override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    friend class BrowserRoutes;
    CRSDlgImpl& Impl() const { return *impl; }
    void OnDblClkTree(platform::Message& message);

    std::unique_ptr<CRSDlgImpl> impl;
    std::wstring caption;
};

} // namespace gridui
