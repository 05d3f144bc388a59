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

/// "Assign Coordinate System": the browser as a modal, resizable dialog. A searchable tree
/// of the systems in use, the local and predefined systems, the favourites and the custom
/// systems, with commands to add and remove favourites, make new local or geographic
/// systems, modify one, and load or save one from or to a file.
class GRIDUI_EXPORT CRSDialog : public shrgui::CDialogResize {
public:
    /// Starts from `current`; `inUse` are the systems the host's document already uses.
    /// Saves the favourites to `favoritesPath`. An empty path or a null sink is an
    /// internal error. The custom systems are kept in `customSystemsPath` from one
    /// browser to the next; empty keeps them only while this browser is open. `parent`
    /// may be null, or a host's own window (platform::wx::HostWindow).
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
    /// returned IDOK.
    Gridlore::CoordinateSystem const& Result() const { return CurrentCoordinateSystem(); }

    /// How the controls follow the dialog's size (the library's own).
    shrgui::ResizeMapEntry const* GetDlgResizeMap() const override;
    /// The dialog's routing table (the library's own).
    platform::MessageMap const& GetMessageMap() const override;

protected:
    /// Sets the caption and fills the tree, starting on the current system.
    bool OnInitDialog() override;
    /// Adds the controls the options ask for (the area-of-use map).
    void AdjustTemplate(platform::DialogTemplate& dialog) const override;
    /// Binds the search box, the tree and the description.
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    friend class BrowserRoutes;
    CRSDlgImpl& Impl() const { return *m_impl; }
    void OnDblClkTree(platform::Message& message);

    std::unique_ptr<CRSDlgImpl> m_impl;
    std::wstring m_caption;
};

} // namespace gridui
