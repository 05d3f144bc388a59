// The toolkit alone, with nothing of ours: what any browser on it takes at the least.
#pragma once

#include <wx/dialog.h>

#include <vector>

class wxButton;
class wxStaticText;
class wxTreeCtrl;

namespace browserbench {

/// A bare dialog of the browser's size and kinds of controls, in its places: search box,
/// status line, tree, description and the column of buttons.
class ToolkitOnlyDialog final : public wxDialog {
public:
    ToolkitOnlyDialog();

    /// The tree as the full one first shows: the top folders, one of them opened down to
    /// a selected system among its siblings.
    void ShowFullTree();
    /// The tree as a search's result shows: one path opened to the one system found,
    /// with the status line counting it.
    void ShowOneResult();

    /// Enables or disables the buttons that act on a selected system, as a search that
    /// moves the selection off the current system does.
    void EnableCommands(bool on);

private:
    std::vector<wxButton*> m_buttons;
    wxTreeCtrl* m_tree = nullptr;
    wxStaticText* m_status = nullptr;
};

} // namespace browserbench
