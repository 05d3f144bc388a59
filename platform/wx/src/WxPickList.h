// Pick lists on real windows: the drop-down of a combo box or a grid's choice cell.
#pragma once

class wxComboCtrl;
class wxPGEditor;

namespace platform::wx {

/// Lets the drop-down of `box` show a dozen rows at most, however long its list.
void LimitDropDown(wxComboCtrl& box);

/// The grid's editor of a pick list: the grid's own choice editor, its drop-down limited
/// as a combo box's is. Registered with the grid on first use.
wxPGEditor* PickListEditor();

} // namespace platform::wx
