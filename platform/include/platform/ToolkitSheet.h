// platform::backend::ToolkitSheet: what a native property sheet does alike on every toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/Error.h"
#include "platform/ModalRun.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace platform::backend {

/// A toolkit's sheet of `Page`s (its ToolkitDialog pages), shown by one modal run that
/// every page shares. The toolkit makes the window, its tabs and its own OK and Cancel.
template <typename Page> class ToolkitSheet : public NativeSheet {
public:
    ~ToolkitSheet() override = default;
    ToolkitSheet(ToolkitSheet const&) = delete;
    ToolkitSheet& operator=(ToolkitSheet const&) = delete;

    NativeDialog& AddPage(DialogTemplate const& page, DialogEvents& events) final {
        m_pages.push_back(MakePage(page, events));
        return *m_pages.back();
    }

    int RunModal() final {
        if (m_pages.empty()) {
            PLATFORM_ERROR(L"a property sheet opened without pages");
        }
        FitPages();
        return m_run->Run(
            m_pages.front()->Id(), [this] { m_events.OnSheetInit(); },
            [this](Scene const& scene) {
                m_pages.at(static_cast<std::size_t>(ActivePage()))->PlayScene(scene);
            });
    }

    void End(int result) final { m_run->End(result); }
    void Press(ControlId button) final {
        m_run->Guard([&] { m_events.OnSheetButton(button); });
    }

    ModalRun& Run() { return *m_run; }

protected:
    ToolkitSheet(SheetEvents& events, std::unique_ptr<ModalRun> run)
        : m_events(events)
        , m_run(std::move(run)) {}

    /// Makes a page from `page` and gives it a tab.
    virtual std::unique_ptr<Page> MakePage(DialogTemplate const& page, DialogEvents& events) = 0;
    /// Sizes the window to hold its largest page, before it shows.
    virtual void FitPages() = 0;

    std::vector<std::unique_ptr<Page>> const& Pages() const { return m_pages; }
    /// Wrappers let go while every control is whole; the toolkit's windows go after, and
    /// last the pages' records of them.
    void ClosePages() {
        for (auto const& page : m_pages) {
            page->PrepareClose();
        }
        m_run->Close();
    }

private:
    SheetEvents& m_events;
    std::unique_ptr<ModalRun> m_run;
    std::vector<std::unique_ptr<Page>> m_pages;
};

} // namespace platform::backend
