#pragma once

#include "HeadlessWindow.h"
#include "platform/ModelBackedToolBar.h"

namespace platform::headless {

class HeadlessToolBar final
    : public backend::ModelBackedToolBar<HeadlessWindow<backend::NativeToolBar>> {
public:
    using ModelBackedToolBar::ModelBackedToolBar;

    Size FixedSize() const override;

private:
    /// The bar takes the size its buttons need.
    void ShowLoaded(ToolBarTemplate const& bar) override;
    void SendCommand(ControlId command) override;

    Size m_buttonSize;
};

} // namespace platform::headless
