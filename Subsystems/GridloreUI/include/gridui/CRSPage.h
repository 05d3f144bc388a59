// gridui::CRSPage: the coordinate-system browser as a page of a property sheet.
#pragma once

#include "gridlore/CoordinateSystem.h"
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
class CRSPage : public platform::PropertyPage {
public:
    CRSPage(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
            std::shared_ptr<shr::IError> const& errorSink);
    ~CRSPage() override;
    CRSPage(CRSPage const&) = delete;
    CRSPage& operator=(CRSPage const&) = delete;

    void SetCaption(wchar_t const* text);
    /// After a search that shows at most `count` systems, every folder holding one is
    /// open, so that the results are seen at once. 0, the default, opens the folders only
    /// for a single system.
    void SetOpenResultsUpTo(std::uint32_t count);
    Gridlore::CoordinateSystem const& CurrentCoordinateSystem() const;

    platform::MessageMap const& GetMessageMap() const override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    friend class BrowserRoutes;
    CRSDlgImpl& Impl() const { return *impl; }

    std::unique_ptr<CRSDlgImpl> impl;
    std::wstring caption;
};

} // namespace gridui
