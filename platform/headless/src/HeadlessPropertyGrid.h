#pragma once

#include "HeadlessWindow.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::headless {

class HeadlessPropertyGrid final : public HeadlessWindow<backend::NativePropertyGrid> {
public:
    using HeadlessWindow::HeadlessWindow;

    backend::PropertyHandle Append(backend::PropertyHandle parent,
                                   backend::PropertyDesc const& desc) override;
    void RemoveAll() override;
    Variant GetValue(backend::PropertyHandle row) const override;
    void SetValue(backend::PropertyHandle row, Variant const& value) override;
    void AddOption(backend::PropertyHandle row, std::wstring const& option) override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override { return m_selected; }
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    std::wstring DisplayText(backend::PropertyHandle row) const override;
    void SetUnits(backend::PropertyHandle row, std::wstring const& units) override;
    std::wstring Units(backend::PropertyHandle row) const override;

    backend::PropertyHandle Find(std::wstring const& path) const override;
    /// Takes `text` as the user would type or pick it, and notifies the dialog.
    void UserEdit(backend::PropertyHandle row, std::wstring const& text);
    /// A click on a row's value: selects it and opens its editor, which takes the focus.
    void OpenEditor(backend::PropertyHandle row);
    /// Keys typed into the open editor: a pick list without free editing goes to the
    /// first option that starts with them (case ignored) and takes it at once, as its
    /// drop-down does; any other editor holds the text until it is committed.
    void TypeInEditor(std::wstring const& text);
    bool CommitEditor() override;
    bool CancelEditor() override;

private:
    struct Row {
        backend::PropertyDesc desc;
        backend::PropertyHandle parent = 0;
        std::vector<backend::PropertyHandle> children;
    };
    Row& At(backend::PropertyHandle row);
    Row const& At(backend::PropertyHandle row) const;

    std::map<backend::PropertyHandle, Row> m_rows;
    std::vector<backend::PropertyHandle> m_top;
    backend::PropertyHandle m_next = 1;
    backend::PropertyHandle m_selected = 0;
    backend::PropertyHandle m_visible = 0;
    /// The row whose editor is open, and the text it holds when the user has typed.
    backend::PropertyHandle m_editing = 0;
    std::optional<std::wstring> m_editorText;
    bool m_header = false;
};

} // namespace platform::headless
