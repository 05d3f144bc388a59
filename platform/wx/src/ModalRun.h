#pragma once

#include "platform/ModalRun.h"

#include <wx/dialog.h>

#include <functional>

namespace platform::wx {

/// One run of a modal wx dialog.
using ModalRun = backend::WindowModalRun<wxDialog>;

} // namespace platform::wx

namespace platform::backend {

template <> void WindowModalRun<wxDialog>::ShowModal(std::function<void()> const& first);
template <> void WindowModalRun<wxDialog>::EndModal(int result);

} // namespace platform::backend
