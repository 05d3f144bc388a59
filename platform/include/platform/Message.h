// What the platform delivers to handlers: events, their arguments, command-state queries.
#pragma once

#include "platform/Export.h"
#include "platform/Geometry.h"
#include "platform/Ids.h"
#include "platform/TreeItem.h"

#include <cstdint>

namespace platform {

class Window;

enum class Event {
    /// A button, menu item or toolbar button was used; `id` is the command.
    Command,
    /// Tree: the selected item changed (by the user or the program); `item` is the new one.
    SelChanged,
    /// Tree: double click; `point` is the cursor in screen coordinates.
    DblClk,
    /// Tree: one stage of drawing (`draw`); handlers answer through `result`.
    CustomDraw,
    /// Combo box: the user picked an item of the list.
    ComboSelChange,
    /// Edit or editable combo box: the user changed the text.
    EditChange,
    /// Property grid: the user changed the value of a property; `param` is its client data.
    PropertyChanged,
    /// Right click or the menu key; `window` is the control, `point` in screen coordinates
    /// ((-1, -1) from the keyboard).
    ContextMenu,
    /// Asks whether command `id` is enabled (`cmdUI`).
    UpdateCommandUI,
    /// The modal loop went idle.
    KickIdle,
    /// The mouse moved over a control; `point` in its client coordinates.
    MouseMove,
    /// The dialog's client area changed size (`size`).
    Size,
    /// A key went down in a control (`key`); seen first by PreTranslateMessage.
    KeyDown,
    /// A timer the dialog set ran out (Dialog::SetTimer); `id` is the timer's.
    Timer,
};

/// Stages of drawing a tree, in the order the tree runs them.
enum class DrawStage { PrePaint, ItemPrePaint, ItemPostPaint };

/// Answers to custom-draw stages.
enum DrawResult : long {
    DrawDefault = 0x0,
    DrawNotifyPostPaint = 0x10,
    DrawNotifyItemDraw = 0x20,
};

enum class StockIcon { Warning };

/// Drawing surface handed to a custom-draw handler, in the tree's client coordinates.
class PLATFORM_EXPORT DrawContext {
public:
    virtual void DrawIcon(StockIcon icon, Rect where) = 0;

protected:
    ~DrawContext() = default;
};

struct PLATFORM_EXPORT CustomDraw {
    DrawStage stage = DrawStage::PrePaint;
    TreeItem item;
    DrawContext* context = nullptr;
};

/// The state of one command, set by its update handler.
struct PLATFORM_EXPORT CmdUI {
    ControlId id = 0;
    bool enabled = true;
    bool checked = false;
    /// Set by Enable or SetCheck: some handler answered.
    bool handled = false;

    void Enable(bool on = true) {
        enabled = on;
        handled = true;
    }
    void SetCheck(bool on) {
        checked = on;
        handled = true;
    }
};

/// One event with its arguments; which fields matter depends on `event`.
struct PLATFORM_EXPORT Message {
    Event event = Event::Command;
    /// The control that raised it, or the command.
    ControlId id = 0;
    Window* window = nullptr;
    Point point{};
    Size size{};
    int key = 0;
    TreeItem item{};
    std::int64_t param = 0;
    CustomDraw* draw = nullptr;
    CmdUI* cmdUI = nullptr;
    /// The notification result a handler sets (custom draw answers here).
    long result = 0;
};

} // namespace platform
