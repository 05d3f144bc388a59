#pragma once

#include "HeadlessWindow.h"

#include <map>
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
    bool m_header = false;
};

} // namespace platform::headless
