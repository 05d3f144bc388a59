// The wx backend's native windows: wx controls behind the platform's native interfaces.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/TreeModel.h"

#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/propgrid/manager.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>

#include <chrono>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>

namespace platform::wx {

class WxDialog;

inline wxString ToWx(std::wstring const& text) {
    return wxString(text);
}

inline std::wstring FromWx(wxString const& text) {
    return text.ToStdWstring();
}

/// Reaches the wx window behind any native window of this backend.
class WxAccess {
public:
    virtual wxWindow* Window() const = 0;

protected:
    ~WxAccess() = default;
};

/// The wx window behind `native`, which must belong to this backend.
wxWindow& WindowOf(backend::NativeWindow& native);

/// The state every wx-backed window shares; `Base` is the native interface it implements.
template <typename Base> class WxWindow : public Base, public WxAccess {
public:
    WxWindow(WxDialog* parent, ControlId id, wxWindow* window);

    ControlId Id() const override { return m_id; }
    backend::NativeWindow* Parent() const override;
    std::wstring GetText() const override;
    void SetText(std::wstring const& text) override;
    bool IsEnabled() const override { return m_window->IsEnabled(); }
    void Enable(bool on) override { m_window->Enable(on); }
    bool IsVisible() const override { return m_window->IsShown(); }
    void Show(bool on) override { m_window->Show(on); }
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override;
    Point ClientToScreen(Point point) const override;
    void Move(Rect rect) override;
    void SetRedraw(bool on) override;
    bool IsRedrawOn() const override { return !m_window->IsFrozen(); }
    void SetFocus() override { m_window->SetFocus(); }
    bool HasFocus() const override { return wxWindow::FindFocus() == m_window; }

    wxWindow* Window() const override { return m_window; }
    /// Sends `message` from this window to its dialog, guarded.
    void Raise(Message& message);

protected:
    WxDialog* m_parent;
    ControlId m_id;
    wxWindow* m_window;
};

using WxControl = WxWindow<backend::NativeWindow>;

/// Raises `event` from `native` whenever its window sends a command event of `type`.
template <typename Native>
void RaiseOn(wxEventTypeTag<wxCommandEvent> const& type, Native& native, Event event) {
    native.Window()->Bind(type, [&native, event](wxCommandEvent&) {
        Message message;
        message.event = event;
        message.id = native.Id();
        native.Raise(message);
    });
}

/// The tree window: sorts as the platform does and lets handlers draw after items.
class WxTreeWindow;

class WxTree final : public WxWindow<backend::NativeTree> {
public:
    WxTree(WxDialog* parent, ControlTemplate const& control, Rect pixels);

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) override;
    void Delete(TreeItem item) override;
    void SetData(TreeItem item, std::uintptr_t data) override;
    std::uintptr_t GetData(TreeItem item) const override;
    std::wstring GetItemText(TreeItem item) const override;
    void SetItemText(TreeItem item, std::wstring const& text) override;
    TreeItem Child(TreeItem item) const override;
    TreeItem NextSibling(TreeItem item) const override;
    TreeItem ParentItem(TreeItem item) const override;
    TreeItem Selected() const override;
    void Select(TreeItem item) override;
    void Expand(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    void EnsureVisible(TreeItem item) override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void SortChildren(TreeItem item) override;
    std::size_t Count() const override;

    /// What a double click at `screen` does: the first click selects the item there
    /// (when `select`), then the dialog hears of the double click and the item opens.
    void DoubleClickAt(Point screen, bool select);
    /// Runs the custom-draw stages over the shown items onto `dc`, and marks the focus.
    void PaintOverlay(wxDC& dc);

private:
    /// The items shown, top to bottom: the roots and the children of expanded items.
    std::vector<wxTreeItemId> ShownItems() const;
    void OnChar(wxKeyEvent& event);
    /// Selects the next shown item whose text starts with what was typed lately.
    void TypeAhead(wchar_t typed);

    /// Where an item stands in the toolkit's tree: only the children of items that have
    /// been opened are made there, so a tree of thousands costs what is seen of it.
    struct Shown {
        /// Not ok until the item's parent has shown its children.
        wxTreeItemId native;
        bool childrenShown = false;
    };
    using Items = backend::TreeModel<Shown>;

    void NotifySelChanged(TreeItem selected);
    wxTreeCtrl& Tree() const;
    /// Raises a platform error for an item the tree does not hold.
    Items::Node& At(TreeItem item) const;
    /// The item made in the toolkit's tree first (with its ancestors) where it is not yet.
    wxTreeItemId Native(TreeItem item);
    /// The item's toolkit counterpart; not ok while it has none.
    wxTreeItemId NativeIfShown(TreeItem item) const;
    TreeItem Handle(wxTreeItemId id) const;
    /// Makes the children of a shown item in the toolkit's tree, once.
    void ShowChildren(std::uintptr_t item);
    wxTreeItemId ShowItem(std::uintptr_t item, wxTreeItemId parent, std::size_t position);

    mutable Items m_items;
    wxTreeItemId m_root;
    std::wstring m_typed;
    std::chrono::steady_clock::time_point m_lastTyped;
};

class WxCombo final : public WxWindow<backend::NativeCombo> {
public:
    WxCombo(WxDialog* parent, ControlTemplate const& control, Rect pixels);

    bool IsSorted() const override { return m_sorted; }
    int AddString(std::wstring const& text) override;
    int InsertString(int index, std::wstring const& text) override;
    void DeleteString(int index) override;
    void ResetContent() override;
    int Count() const override;
    std::wstring GetItemText(int index) const override;
    void SetItemData(int index, std::intptr_t data) override;
    std::intptr_t GetItemData(int index) const override;
    int GetCurSel() const override;
    void SetCurSel(int index) override;
    void SetCueBanner(std::wstring const& text) override;
    std::wstring GetCueBanner() const override;
    /// The height asked for is the dropped-down list's; the box keeps its natural one.
    void Move(Rect rect) override;

    bool IsEditable() const { return m_editable; }
    wxComboBox& Combo() const { return static_cast<wxComboBox&>(*m_window); }

private:
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
    };

    bool m_sorted;
    bool m_editable;
    /// The items as the box holds them: GTK reaches an item by walking its list, which
    /// made a sorted fill of hundreds of items take seconds.
    std::vector<Item> m_items;
};

class WxPropertyGrid final : public WxWindow<backend::NativePropertyGrid> {
public:
    WxPropertyGrid(WxDialog* parent, ControlId id, Rect pixels);

    backend::PropertyHandle Append(backend::PropertyHandle parent,
                                   backend::PropertyDesc const& desc) override;
    void RemoveAll() override;
    Variant GetValue(backend::PropertyHandle row) const override;
    void SetValue(backend::PropertyHandle row, Variant const& value) override;
    void AddOption(backend::PropertyHandle row, std::wstring const& option) override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    std::wstring DisplayText(backend::PropertyHandle row) const override;

    /// The row at a path of labels joined by "|"; 0 when absent.
    backend::PropertyHandle Find(std::wstring const& path) const override;
    /// Changes a row's value the way the grid's editor does, with the change event.
    void UserEdit(backend::PropertyHandle row, std::wstring const& text);

private:
    wxPropertyGrid& Grid() const;
    wxPGProperty* Row(backend::PropertyHandle row) const;
    backend::PropertyDesc& Desc(backend::PropertyHandle row);
    backend::PropertyDesc const& Desc(backend::PropertyHandle row) const;
    void OnChanged(wxPropertyGridEvent& event);

    std::map<backend::PropertyHandle, backend::PropertyDesc> m_rows;
};

class WxToolBar final : public WxWindow<backend::NativeToolBar> {
public:
    WxToolBar(WxDialog* parent, ControlId id);

    void Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) override;
    std::vector<ControlId> Buttons() const override { return m_buttons; }
    void EnableButton(ControlId command, bool on) override;
    bool IsButtonEnabled(ControlId command) const override;
    std::wstring ButtonToolTip(ControlId command) const override;
    Size FixedSize() const override;

    void Click(ControlId command);

private:
    wxToolBar& Bar() const { return static_cast<wxToolBar&>(*m_window); }
    void Check(ControlId command) const;

    std::vector<ControlId> m_buttons;
};

/// One run of a modal window: its result, and the first exception a handler threw,
/// which ends the run and is thrown again once wx's loop has returned.
class ModalRun final {
public:
    explicit ModalRun(wxDialog& window)
        : m_window(window) {}

    /// Runs `action` as an event handler (nothing once the window is closing).
    void Guard(std::function<void()> const& action);
    /// Takes the driver's scene for `templateId`, runs `init`, then shows the window
    /// until End, with the scene played from inside its loop by `play`.
    int Run(int templateId, std::function<void()> const& init,
            std::function<void(Scene const&)> const& play);
    void End(int result);
    bool HasEnded() const { return m_ended; }
    /// From here on no event reaches a handler: the windows are going.
    void Close() { m_closing = true; }
    wxDialog& Window() const { return m_window; }

private:
    wxDialog& m_window;
    bool m_ended = false;
    bool m_closing = false;
    int m_result = 0;
    std::exception_ptr m_error;
};

class WxSheet;

class WxDialog final : public WxWindow<backend::NativeDialog> {
public:
    /// A dialog of its own, owned by `owner` (may be null).
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events, wxWindow* owner);
    /// A page of `sheet`, placed in `book`.
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events, wxWindow* book,
             WxSheet& sheet);
    ~WxDialog() override;

    backend::NativeWindow* Parent() const override { return nullptr; }
    Rect GetWindowRect() const override;
    Point ClientToScreen(Point point) const override;
    backend::NativeWindow* FindChild(ControlId id) const override;
    int RunModal() override;
    void End(int result) override;
    void Post(Message const& message) override;
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    backend::NativePropertyGrid& CreatePropertyGrid(ControlId id, Rect client) override;
    backend::NativeToolBar& CreateToolBar(ControlId id) override;
    bool SaveScreenshot(std::string const& path) override;

    backend::DialogEvents& Events() { return m_events; }
    /// The window the controls live in: the dialog, or the page's panel.
    wxWindow& Container() const { return *m_window; }
    WxSheet* Sheet() const { return m_sheet; }
    bool HasEnded() const { return m_run->HasEnded(); }
    void Guard(std::function<void()> const& action) { m_run->Guard(action); }
    /// Detaches the wrappers while the controls are whole; then no event reaches them.
    void PrepareClose();
    void Route(Message& message);
    void DeliverPosted();
    /// The client size the dialog's handlers saw last, and how many sizes they saw.
    Size RoutedSize() const { return m_routedSize; }
    int RoutedSizes() const { return m_routedSizes; }

private:
    template <typename T, typename... Args> T& AddChild(ControlId id, Args&&... args);
    void CreateControls(DialogTemplate const& dialog);
    void CreateControl(ControlTemplate const& control);
    void OnCharHook(wxKeyEvent& event);

    backend::DialogEvents& m_events;
    WxSheet* m_sheet = nullptr;
    std::unique_ptr<ModalRun> m_ownRun;
    ModalRun* m_run;
    std::map<ControlId, std::unique_ptr<backend::NativeWindow>> m_children;
    std::deque<Message> m_posted;
    Size m_routedSize;
    int m_routedSizes = 0;
    int m_labels = 0;
};

/// A dialog with a notebook of pages and its own OK and Cancel.
class WxSheet final : public backend::NativeSheet {
public:
    WxSheet(std::wstring const& caption, backend::SheetEvents& events, wxWindow* owner);
    ~WxSheet() override;

    backend::NativeDialog& AddPage(DialogTemplate const& page,
                                   backend::DialogEvents& events) override;
    int RunModal() override;
    void End(int result) override { m_run.End(result); }
    void SetActivePage(int index) override;
    int ActivePage() const override;

    ModalRun& Run() { return m_run; }
    /// The sheet's own OK or Cancel, pressed by the user.
    void Press(ControlId button);

private:
    backend::SheetEvents& m_events;
    wxDialog* m_window;
    wxNotebook* m_book;
    ModalRun m_run;
    std::vector<std::unique_ptr<WxDialog>> m_pages;
};

class WxUser final : public User {
public:
    explicit WxUser(WxDialog& dialog);

    /// Plays `scene` on the dialog; a scene that leaves it open is an internal error.
    void Play(Scene const& scene);

    platform::Dialog& GetDialog() override;
    void Select(ControlId tree, TreeItem item) override;
    void Type(ControlId id, std::wstring const& text) override;
    void PressKey(ControlId id, int key) override;
    void Click(ControlId button) override;
    void ClickToolButton(ControlId bar, ControlId command) override;
    void Pick(ControlId combo, int index) override;
    void RightClick(ControlId id, Point client) override;
    void DoubleClick(ControlId tree, Point client) override;
    void EditProperty(ControlId grid, std::wstring const& path, std::wstring const& text) override;
    void MoveMouse(ControlId id, Point client) override;
    void Resize(Size size) override;
    void Idle() override;
    void Close() override;

    using User::Pick;
    using User::Select;

private:
    template <typename T> T& Usable(ControlId id);
    /// Runs the action as the event loop would, then lets the dialog go idle.
    void Act(std::function<void()> const& action);

    WxDialog& m_dialog;
};

} // namespace platform::wx
