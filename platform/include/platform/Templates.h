// Templates from which dialogs, menus and toolbars are made, in dialog units where sized.
#pragma once

#include "platform/Export.h"
#include "platform/Geometry.h"
#include "platform/Ids.h"

#include <string>
#include <vector>

namespace platform {

enum class ControlKind {
    Static,
    GroupBox,
    Edit,
    Button,
    ComboBox,
    TreeView,
    PropertyGrid,
    DrawingSurface,
};

/// Style bits of a control. Bits that do not apply to a control's kind are ignored.
enum ControlStyle : unsigned {
    StyleHidden = 1U << 0,
    StyleDisabled = 1U << 1,
    StyleTabStop = 1U << 2,
    StyleBorder = 1U << 3,
    StyleVScroll = 1U << 4,
    StyleHScroll = 1U << 5,
    /// Static: a frame without text (placeholders are hidden frames).
    StaticFrame = 1U << 8,
    /// Button: pressed by Enter anywhere in the dialog.
    ButtonDefault = 1U << 9,
    /// Combo box: the user may type (drop-down); without it only picks (drop-down list).
    ComboEditable = 1U << 10,
    ComboSorted = 1U << 11,
    EditMultiLine = 1U << 12,
    EditReadOnly = 1U << 13,
    EditAutoHScroll = 1U << 14,
    EditAutoVScroll = 1U << 15,
    TreeHasButtons = 1U << 16,
    TreeHasLines = 1U << 17,
    TreeLinesAtRoot = 1U << 18,
    TreeShowSelAlways = 1U << 19,
};

/// One control of a dialog template. `rect` is x, y, width and height in dialog units.
struct PLATFORM_EXPORT ControlTemplate {
    ControlId id = 0;
    ControlKind kind = ControlKind::Static;
    std::wstring text;
    Rect rect;
    unsigned style = 0;
};

/// Style bits of a dialog.
enum DialogStyle : unsigned {
    DialogCaption = 1U << 0,
    DialogSysMenu = 1U << 1,
    /// A sizing border; resizable dialogs also set it when they start resizing.
    DialogResizable = 1U << 2,
};

/// A dialog or property page: controls in tab order. Ids of -1 mark controls the code
/// never addresses (labels); every other id must be unique within the template.
struct PLATFORM_EXPORT DialogTemplate {
    int id = 0;
    std::wstring caption;
    std::wstring fontName = L"MS Shell Dlg";
    int fontSize = 8;
    /// Width and height of the client area in dialog units.
    Size size;
    unsigned style = DialogCaption | DialogSysMenu;
    std::vector<ControlTemplate> controls;
};

/// A menu item; a command of 0 is a separator. "&" marks the mnemonic.
struct PLATFORM_EXPORT MenuItemTemplate {
    ControlId command = 0;
    std::wstring text;
};

struct PLATFORM_EXPORT MenuPopupTemplate {
    std::wstring text;
    std::vector<MenuItemTemplate> items;
};

/// A menu resource: a bar of popups; context menus use one of its popups.
struct PLATFORM_EXPORT MenuTemplate {
    int id = 0;
    std::vector<MenuPopupTemplate> popups;
};

/// A toolbar resource: its buttons' commands (0 for a separator) and a PNG image strip
/// holding one image of `buttonSize` per button, left to right.
struct PLATFORM_EXPORT ToolBarTemplate {
    int id = 0;
    Size buttonSize{16, 16};
    std::vector<ControlId> buttons;
    std::vector<unsigned char> image;
    /// Buttons that stay pressed while their command is on (set through CmdUI::SetCheck).
    std::vector<ControlId> checkButtons = {};
};

} // namespace platform
