// platform::backend::ToolkitSheet: a native property sheet, declared once for every toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/Error.h"
#include "platform/ModalRun.h"
#include "platform/ToolkitDialog.h"

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform::backend {

/// A toolkit's sheet on its `Widget`s, whose pages are the toolkit's dialogs, shown by one
/// modal run that every page shares. Pages, the run and the sheet's buttons behave alike on
/// every toolkit. Each toolkit specialises, for its widget, its `Parts` (the window and its
/// tabs) and the members marked "the toolkit's" below, and instantiates the class where it
/// does.
template <typename Widget> class ToolkitSheet final : public NativeSheet {
    using Page = ToolkitDialog<Widget>;

public:
    /// The toolkit's: makes the window, its tabs and its own OK and Cancel, owned by
    /// `owner`, or without one by the modal dialog on top.
    ToolkitSheet(std::wstring const& caption, SheetEvents& events, NativeWindow* owner);
    /// The toolkit's: closes the pages, then lets its window go.
    ~ToolkitSheet() override;
    ToolkitSheet(ToolkitSheet const&) = delete;
    ToolkitSheet& operator=(ToolkitSheet const&) = delete;

    NativeDialog& AddPage(DialogTemplate const& page, DialogEvents& events) final {
        auto made = std::make_unique<Page>(page, events, *this);
        AddTab(*made, page.caption);
        m_pages.push_back(std::move(made));
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
    /// The toolkit's.
    void SetActivePage(int index) final;
    /// The toolkit's.
    int ActivePage() const final;

    ModalRun& Run() { return *m_run; }
    /// The toolkit's: the tabs that hold the pages.
    Widget& Book() const;

private:
    /// The toolkit's window and tabs.
    struct Parts;

    /// The toolkit's: gives `page`, just made, a tab headed `caption`.
    void AddTab(Page& page, std::wstring const& caption);
    /// The toolkit's: sizes the window to hold its largest page, before it shows.
    void FitPages();
    /// Wrappers let go while every control is whole; the toolkit's windows go after, and
    /// last the pages' records of them.
    void ClosePages() {
        for (auto const& page : m_pages) {
            page->PrepareClose();
        }
        m_run->Close();
    }

    SheetEvents& m_events;
    std::unique_ptr<Parts> m_parts;
    std::unique_ptr<ModalRun> m_run;
    std::vector<std::unique_ptr<Page>> m_pages;
};

} // namespace platform::backend
