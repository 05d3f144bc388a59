// platform::backend::ToolkitPropertyGrid: a toolkit's property grid, its selection and its
// editor, alike on every toolkit.
#pragma once

#include "platform/Error.h"
#include "platform/ModelBackedPropertyGrid.h"

#include <string>

namespace platform::backend {

/// A property grid drawn by a toolkit (`Window` over NativePropertyGrid) whose rows' editors
/// are the toolkit's windows (`Widget`). The toolkit answers which row it shows selected and
/// which editor holds the focus, and closes an editor; which of those the grid owns, and
/// when an editor may close, are the same everywhere.
template <typename Window, typename Widget>
class ToolkitPropertyGrid : public ModelBackedPropertyGrid<Window> {
public:
    using ModelBackedPropertyGrid<Window>::ModelBackedPropertyGrid;

    PropertyHandle Selected() const final {
        PropertyHandle const row = SelectedShown();
        return this->Holds(row) ? row : 0;
    }

    bool CommitEditor() final { return CloseFocusedEditor(true); }
    bool CancelEditor() final { return CloseFocusedEditor(false); }

    /// The editor the user types into: the row's editor holding its window's focus. A
    /// platform error when no editor is open.
    Widget& EditorToTypeIn() const {
        Widget* editor = FocusedEditor();
        if (editor == nullptr) {
            PLATFORM_ERROR(L"property grid " + std::to_wstring(this->Id()) +
                           L" has no editor open to type in");
        }
        return *editor;
    }

protected:
    /// The row the toolkit shows selected; any value when it shows none.
    virtual PropertyHandle SelectedShown() const = 0;
    /// The row's editor when it holds its window's focus; null when no editor is open.
    virtual Widget* FocusedEditor() const = 0;
    /// Closes `editor`, committing what it holds when `commit`, and hands the focus back to
    /// the grid, so that the next Enter is the dialog's. A value the row refuses keeps the
    /// editor open with the focus, as the grid's own Enter does.
    virtual void CloseEditor(Widget& editor, bool commit) = 0;

private:
    /// False when no editor holds the focus, as there is none to close.
    bool CloseFocusedEditor(bool commit) {
        Widget* editor = FocusedEditor();
        if (editor == nullptr) {
            return false;
        }
        CloseEditor(*editor, commit);
        return true;
    }
};

} // namespace platform::backend
