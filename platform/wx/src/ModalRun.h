#pragma once

#include "platform/ModalRun.h"

#include <wx/dialog.h>

#include <functional>

namespace platform::wx {

/// One run of a modal wx dialog.
class ModalRun final : public backend::ModalRun {
public:
    explicit ModalRun(wxDialog& window)
        : m_window(window) {}

private:
    void ShowModal(std::function<void()> const& first) override;
    void EndModal(int result) override;

    wxDialog& m_window;
};

} // namespace platform::wx
