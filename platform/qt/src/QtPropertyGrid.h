#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedPropertyGrid.h"

#include <string>

namespace platform::qt {

class QtPropertyGrid final
    : public backend::ModelBackedPropertyGrid<QtWindow<backend::NativePropertyGrid>> {
public:
    QtPropertyGrid(QtDialog* parent, ControlId id, Rect pixels);
    ~QtPropertyGrid() override;

    Variant GetValue(backend::PropertyHandle row) const override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    std::wstring DisplayText(backend::PropertyHandle row) const override;
    std::wstring Units(backend::PropertyHandle row) const override;
    void UserEdit(backend::PropertyHandle row, std::wstring const& text) override;
    bool CommitEditor() override;
    bool CancelEditor() override;
};

} // namespace platform::qt
