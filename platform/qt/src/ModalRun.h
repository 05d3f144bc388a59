#pragma once

#include "platform/ModalRun.h"

#include <QDialog>

#include <functional>

namespace platform::qt {

/// A top-level dialog window whose Escape key and close button ask its owner instead of
/// closing it: the dialog's handlers decide whether it ends.
class RunWindow final : public QDialog {
public:
    explicit RunWindow(QWidget* owner);

    /// Called instead of closing the window.
    void OnReject(std::function<void()> reject) { m_reject = std::move(reject); }
    void reject() override;

private:
    std::function<void()> m_reject;
};

/// One run of a modal Qt dialog.
using ModalRun = backend::WindowModalRun<RunWindow>;

} // namespace platform::qt

namespace platform::backend {

template <> void WindowModalRun<qt::RunWindow>::ShowModal(std::function<void()> const& first);
template <> void WindowModalRun<qt::RunWindow>::EndModal(int result);

} // namespace platform::backend
