#pragma once

#include "HeadlessWindow.h"
#include "platform/ModelBackedPropertyGrid.h"

#include <optional>
#include <string>

namespace platform::headless {

class HeadlessPropertyGrid final
    : public backend::ModelBackedPropertyGrid<HeadlessWindow<backend::NativePropertyGrid>> {
public:
    using ModelBackedPropertyGrid::ModelBackedPropertyGrid;

    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override { return m_selected; }
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const&, std::wstring const&) override { m_header = on; }
    /// Keys typed into the open editor: a pick list without free editing goes to the
    /// first option that starts with them (case ignored) and takes it at once, as its
    /// drop-down does; any other editor holds the text until it is committed.
    void TypeInEditor(std::wstring const& text);
    bool CommitEditor() override;
    bool CancelEditor() override;

private:
    backend::PropertyHandle ShowAppended(backend::PropertyHandle parent,
                                         backend::PropertyDesc const& desc) override;
    void ShowRemovedAll() override;
    void OpenEditor(backend::PropertyHandle row) override;

    backend::PropertyHandle m_next = 1;
    backend::PropertyHandle m_selected = 0;
    backend::PropertyHandle m_visible = 0;
    /// The row whose editor is open, and the text it holds when the user has typed.
    backend::PropertyHandle m_editing = 0;
    std::optional<std::wstring> m_editorText;
    bool m_header = false;
};

} // namespace platform::headless
