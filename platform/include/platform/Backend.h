// The abstract backend: one native interface per control kind, implemented by each backend.
#pragma once

#include "platform/Drawing.h"
#include "platform/Export.h"
#include "platform/Geometry.h"
#include "platform/InstallScope.h"
#include "platform/Message.h"
#include "platform/Templates.h"
#include "platform/TreeItem.h"
#include "platform/Variant.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Window;
class SettingsStore;
struct FileDialogRequest;
struct FileChoice;

namespace backend {

/// A native window. The platform wrapper attached to it (if any) sees its events first.
class PLATFORM_EXPORT NativeWindow {
public:
    virtual ~NativeWindow();

    virtual ControlId Id() const = 0;
    virtual NativeWindow* Parent() const = 0;
    virtual std::wstring GetText() const = 0;
    virtual void SetText(std::wstring const& text) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Enable(bool on) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show(bool on) = 0;
    /// In screen coordinates.
    virtual Rect GetWindowRect() const = 0;
    /// In its own client coordinates: left and top are 0.
    virtual Rect GetClientRect() const = 0;
    virtual Point ClientToScreen(Point point) const = 0;
    /// `rect` in the parent's client coordinates.
    virtual void Move(Rect rect) = 0;
    virtual void SetRedraw(bool on) = 0;
    virtual bool IsRedrawOn() const = 0;
    virtual void SetFocus() = 0;
    virtual bool HasFocus() const = 0;

    Window* Wrapper() const { return m_wrapper; }
    void SetWrapper(Window* wrapper) { m_wrapper = wrapper; }

private:
    Window* m_wrapper = nullptr;
};

class PLATFORM_EXPORT NativeTree : public NativeWindow {
public:
    virtual TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) = 0;
    /// Deletes the item and its descendants; a null item deletes everything.
    virtual void Delete(TreeItem item) = 0;
    virtual void SetData(TreeItem item, std::uintptr_t data) = 0;
    virtual std::uintptr_t GetData(TreeItem item) const = 0;
    virtual std::wstring GetItemText(TreeItem item) const = 0;
    virtual void SetItemText(TreeItem item, std::wstring const& text) = 0;
    /// First child; of a null item, the first root item.
    virtual TreeItem Child(TreeItem item) const = 0;
    /// The first child of `parent` (null: the root) whose text is exactly `text`; null
    /// when there is none.
    virtual TreeItem FindChild(TreeItem parent, std::wstring const& text) const = 0;
    virtual TreeItem NextSibling(TreeItem item) const = 0;
    virtual TreeItem ParentItem(TreeItem item) const = 0;
    virtual TreeItem Selected() const = 0;
    /// Selects the item (null clears the selection) and raises SelChanged if it changed.
    virtual void Select(TreeItem item) = 0;
    virtual void Expand(TreeItem item) = 0;
    virtual bool IsExpanded(TreeItem item) const = 0;
    virtual void EnsureVisible(TreeItem item) = 0;
    /// Client coordinates; empty when the item is not shown (a parent is collapsed).
    virtual std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const = 0;
    virtual TreeHitTest HitTest(Point client) const = 0;
    virtual void SortChildren(TreeItem item) = 0;
    virtual std::size_t Count() const = 0;
    virtual void WarmUp() = 0;
};

/// Where a tree's selection goes when `doomed` is deleted, as native trees move it: to
/// the next sibling of `doomed`, else the previous one, else its parent (none at the top
/// level). Nothing when the selection is neither `doomed` nor inside it.
PLATFORM_EXPORT std::optional<TreeItem> SelectionAfterDelete(NativeTree const& tree,
                                                             TreeItem doomed);

/// Runs a tree's custom-draw stages, as both backends paint: the control's pre-paint,
/// then for each shown item in `rows` its pre-paint and, when the handler asks, its
/// post-paint. Each stage goes to the dialog through `raise`.
PLATFORM_EXPORT void RunCustomDraw(ControlId tree, std::vector<TreeItem> const& rows,
                                   DrawContext& context,
                                   std::function<void(Message&)> const& raise);

class PLATFORM_EXPORT NativeCombo : public NativeWindow {
public:
    virtual bool IsSorted() const = 0;
    /// Adds at the sorted place, or last when unsorted; returns the position.
    virtual int AddString(std::wstring const& text) = 0;
    virtual int InsertString(int index, std::wstring const& text) = 0;
    virtual void DeleteString(int index) = 0;
    virtual void ResetContent() = 0;
    virtual int Count() const = 0;
    virtual std::wstring GetItemText(int index) const = 0;
    virtual void SetItemData(int index, std::intptr_t data) = 0;
    virtual std::intptr_t GetItemData(int index) const = 0;
    virtual int GetCurSel() const = 0;
    /// Selects without notifying; -1 clears the selection.
    virtual void SetCurSel(int index) = 0;
    virtual void SetCueBanner(std::wstring const& text) = 0;
    virtual std::wstring GetCueBanner() const = 0;
};

/// What a property-grid row is made from.
struct PLATFORM_EXPORT PropertyDesc {
    std::wstring name;
    Variant value;
    std::wstring description;
    bool isGroup = false;
    /// Offered values; with `allowEdit` false the user can only pick one of them.
    std::vector<std::wstring> options;
    bool allowEdit = true;
    /// Returned with every change notification of this row.
    std::int64_t clientData = 0;
    /// The unit of the value, shown after it; empty for none.
    std::wstring units;
};

/// Rows are numbered by the grid; 0 is the invisible root.
using PropertyHandle = std::uintptr_t;

class PLATFORM_EXPORT NativePropertyGrid : public NativeWindow {
public:
    virtual PropertyHandle Append(PropertyHandle parent, PropertyDesc const& desc) = 0;
    virtual void RemoveAll() = 0;
    virtual Variant GetValue(PropertyHandle row) const = 0;
    /// The program's change: notifies nothing.
    virtual void SetValue(PropertyHandle row, Variant const& value) = 0;
    virtual void AddOption(PropertyHandle row, std::wstring const& option) = 0;
    virtual void Select(PropertyHandle row) = 0;
    virtual PropertyHandle Selected() const = 0;
    virtual void EnsureVisible(PropertyHandle row) = 0;
    virtual void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) = 0;
    /// The text a row shows for its value, with doubles in the grid's format.
    virtual std::wstring DisplayText(PropertyHandle row) const = 0;
    /// The row at a path of names joined by "|"; 0 when absent.
    virtual PropertyHandle Find(std::wstring const& path) const = 0;
    virtual void SetUnits(PropertyHandle row, std::wstring const& units) = 0;
    /// The unit the row shows after its value.
    virtual std::wstring Units(PropertyHandle row) const = 0;
    /// When the user's editor of a row holds the focus: takes what it holds as the user's
    /// edit (with its change notification), gives the focus back to the grid and returns
    /// true. False when no editor is open, so the key that asked goes on to the dialog.
    virtual bool CommitEditor() = 0;
    /// As CommitEditor, but drops what the editor holds: the row keeps its value, with no
    /// change notification.
    virtual bool CancelEditor() = 0;
    /// The user's edit of a row: `text` taken as typed or picked, with the change
    /// notification when the value changes.
    virtual void UserEdit(PropertyHandle row, std::wstring const& text) = 0;
    /// The user's click on a row's value: the row is selected and its editor opens with
    /// the focus. A group has no value to click: an internal error.
    virtual void ClickValue(PropertyHandle row) = 0;
};

class PLATFORM_EXPORT NativeToolBar : public NativeWindow {
public:
    /// Buttons from the template; tooltips in the template's button order.
    virtual void Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) = 0;
    virtual std::vector<ControlId> Buttons() const = 0;
    virtual void EnableButton(ControlId command, bool on) = 0;
    virtual bool IsButtonEnabled(ControlId command) const = 0;
    virtual std::wstring ButtonToolTip(ControlId command) const = 0;
    /// Only for the template's check buttons.
    virtual void CheckButton(ControlId command, bool on) = 0;
    virtual bool IsButtonChecked(ControlId command) const = 0;
    /// The size the bar needs for its buttons.
    virtual Size FixedSize() const = 0;
    /// The user's click on a button: a check button flips, then the command goes to the
    /// dialog. A disabled button is an internal error: a user could not click it.
    virtual void Click(ControlId command) = 0;
};

enum class SurfaceLayer { Base, Overlay };

/// A surface that shows its two layers, the base under the overlay (platform::Drawing).
class PLATFORM_EXPORT NativeSurface : public NativeWindow {
public:
    /// Shows `drawing` as `layer` from the next paint on.
    virtual void SetLayer(SurfaceLayer layer, Drawing drawing) = 0;
    virtual Drawing const& Layer(SurfaceLayer layer) const = 0;
};

class PLATFORM_EXPORT NativeToolTip {
public:
    virtual ~NativeToolTip();
    /// One tool covering the whole window.
    virtual void AddTool(std::wstring const& text) = 0;
    virtual void Activate(bool on) = 0;
    virtual bool IsActive() const = 0;
    virtual std::wstring Text() const = 0;
};

/// How a native dialog reports to its platform dialog.
class PLATFORM_EXPORT DialogEvents {
public:
    /// Controls exist: run OnInitDialog.
    virtual void OnNativeInit() = 0;
    /// An event from the dialog or one of its controls.
    virtual void OnNativeMessage(Message& message) = 0;
    /// A key went down in control `id`; true when something handled it.
    virtual bool OnNativeKeyDown(ControlId id, int key) = 0;

protected:
    ~DialogEvents() = default;
};

class PLATFORM_EXPORT NativeDialog : public NativeWindow {
public:
    /// The control with `id`, or null.
    virtual NativeWindow* FindChild(ControlId id) const = 0;
    /// Shows the dialog and runs until End; returns End's result.
    virtual int RunModal() = 0;
    virtual void End(int result) = 0;
    /// Whether End was called; a page's End ends its sheet.
    virtual bool HasEnded() const = 0;
    /// Queues `message`; it is delivered after the running handler returns.
    virtual void Post(Message const& message) = 0;
    virtual Point DialogUnitsToPixels(Point units) const = 0;
    virtual void SetClientSize(Size size) = 0;
    /// Allows the user to resize, not below `minimum` (client size).
    virtual void SetResizable(Size minimum) = 0;
    virtual NativePropertyGrid& CreatePropertyGrid(ControlId id, Rect client) = 0;
    virtual NativeToolBar& CreateToolBar(ControlId id) = 0;
    /// Draws the dialog into a PNG file; false when the backend cannot.
    virtual bool SaveScreenshot(std::string const& path) = 0;
    /// Raises Event::Timer with `id` once, `delay` from now; a timer `id` that runs starts
    /// over. No timer of a dialog that has ended expires.
    virtual void StartTimer(ControlId id, std::chrono::milliseconds delay) = 0;
    /// Nothing when timer `id` does not run.
    virtual void StopTimer(ControlId id) = 0;
    /// Lets the running timer due first expire now, as if its time had come; false when
    /// none runs (or the dialog has ended).
    virtual bool ExpireNextTimer() = 0;
};

/// Calls `X(Interface, ...)` with each native window interface and the arguments after `X`,
/// so that a backend's window template, written once for all of them, is instantiated for
/// each; a new kind of window joins every backend here.
#define PLATFORM_FOR_EACH_NATIVE_WINDOW(X, ...)                                                    \
    X(NativeWindow __VA_OPT__(, ) __VA_ARGS__)                                                     \
    X(NativeTree __VA_OPT__(, ) __VA_ARGS__)                                                       \
    X(NativeCombo __VA_OPT__(, ) __VA_ARGS__)                                                      \
    X(NativePropertyGrid __VA_OPT__(, ) __VA_ARGS__)                                               \
    X(NativeToolBar __VA_OPT__(, ) __VA_ARGS__)                                                    \
    X(NativeSurface __VA_OPT__(, ) __VA_ARGS__)                                                    \
    X(NativeDialog __VA_OPT__(, ) __VA_ARGS__)

/// How a native property sheet reports to its platform sheet.
class PLATFORM_EXPORT SheetEvents {
public:
    /// The pages exist: run each page's OnInitDialog.
    virtual void OnSheetInit() = 0;
    /// The sheet's own OK or Cancel was pressed.
    virtual void OnSheetButton(ControlId id) = 0;

protected:
    ~SheetEvents() = default;
};

/// A modal window of tabbed pages with its own OK and Cancel. Each page is a native
/// dialog that is not modal itself: ending a page ends the sheet.
class PLATFORM_EXPORT NativeSheet {
public:
    virtual ~NativeSheet();
    /// Adds a page made from `page`; the sheet owns it.
    virtual backend::NativeDialog& AddPage(DialogTemplate const& page, DialogEvents& events) = 0;
    virtual int RunModal() = 0;
    virtual void End(int result) = 0;
    virtual void SetActivePage(int index) = 0;
    virtual int ActivePage() const = 0;
    /// The user pressed the sheet's own OK or Cancel.
    virtual void Press(ControlId button) = 0;
};

} // namespace backend

/// Creates native windows and runs the services that are not windows. A host installs
/// one at start-up (wx for real windows, headless for tests and scripts).
class PLATFORM_EXPORT Backend {
public:
    virtual ~Backend();

    virtual std::unique_ptr<backend::NativeDialog> CreateDialog(DialogTemplate const& dialog,
                                                                backend::DialogEvents& events,
                                                                backend::NativeWindow* parent) = 0;
    virtual std::unique_ptr<backend::NativeSheet> CreateSheet(std::wstring const& caption,
                                                              backend::SheetEvents& events,
                                                              backend::NativeWindow* parent) = 0;
    virtual std::unique_ptr<backend::NativeToolTip> CreateToolTip(backend::NativeWindow& tool) = 0;
    virtual int MessageBox(backend::NativeWindow* owner, std::wstring const& text,
                           std::wstring const& caption, unsigned style) = 0;
    virtual std::optional<FileChoice> ChooseFile(FileDialogRequest const& request) = 0;
    /// Shows `popup` at `screen` with the items' `states`; the chosen command, or 0.
    virtual ControlId TrackPopupMenu(MenuPopupTemplate const& popup,
                                     std::vector<CmdUI> const& states, backend::NativeWindow& owner,
                                     Point screen) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    /// Loads what the toolkit loads at the first wait cursor, without showing one.
    virtual void PrepareWaitCursor() {}
    virtual SettingsStore& Settings() = 0;

protected:
    Backend() = default;
    Backend(Backend const&) = default;
    Backend& operator=(Backend const&) = default;
};

/// The installed backend; none installed is an internal error.
PLATFORM_EXPORT Backend& CurrentBackend();

/// Installs a backend for its lifetime and puts the previous one back after.
class [[nodiscard]] BackendScope final : InstallScope<Backend> {
public:
    PLATFORM_EXPORT explicit BackendScope(Backend& backend);
};

} // namespace platform
