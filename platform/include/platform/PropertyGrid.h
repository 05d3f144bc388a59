// platform::PropertyGrid: rows of named typed values, groups and pick lists.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"
#include "platform/Window.h"

namespace platform {

class Dialog;

namespace backend {
/// Reads what a user entered into a row, in the type of the row's value; a pick list
/// without free editing takes only its options. Text the editor would refuse is an
/// internal error naming the row.
PLATFORM_EXPORT Variant ParseUserValue(PropertyDesc const& desc, std::wstring const& text);
/// The text a grid shows for a value: doubles in the process-wide format, True/False.
PLATFORM_EXPORT std::wstring FormatVariant(Variant const& value);
} // namespace backend

/// Changes made by the program (SetValue) notify nothing; a change made by the user
/// reaches the dialog as PropertyChanged with the grid's id and the row's client data.
class PLATFORM_EXPORT PropertyGrid : public Window {
public:
    /// Creates the grid in `host` over `client` (client coordinates) with id `id`.
    void Create(Dialog& host, ControlId id, Rect client);
    backend::PropertyHandle Append(backend::PropertyHandle parent,
                                   backend::PropertyDesc const& desc);
    void RemoveAll();
    Variant GetValue(backend::PropertyHandle row) const;
    void SetValue(backend::PropertyHandle row, Variant const& value);
    void AddOption(backend::PropertyHandle row, std::wstring const& option);
    void Select(backend::PropertyHandle row);
    backend::PropertyHandle GetSelected() const;
    void EnsureVisible(backend::PropertyHandle row);
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right);
    std::wstring GetDisplayText(backend::PropertyHandle row) const;
    /// The unit shown after the row's value; empty for none.
    void SetUnits(backend::PropertyHandle row, std::wstring const& units);
    std::wstring GetUnits(backend::PropertyHandle row) const;

    /// The printf format of doubles shown by every grid of the process.
    static void SetDoubleFormat(std::wstring format);
    static std::wstring const& DoubleFormat();
    static std::wstring FormatDouble(double value);

    /// Enter in an open cell editor commits the cell and Escape drops its edit; both keep
    /// the dialog open. Only with no editor open do they go on to the dialog's OK and
    /// Cancel, so one slip of a key never loses the other cells' edits.
    bool PreTranslateMessage(Message& message) override;

protected:
    bool Accepts(backend::NativeWindow& native) const override;

private:
    backend::NativePropertyGrid& Grid() const;
};

} // namespace platform
