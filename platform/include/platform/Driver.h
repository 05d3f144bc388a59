// platform::Driver and platform::User: scripted users that answer modal dialogs and boxes.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"
#include "platform/FileDialog.h"
#include "platform/Geometry.h"
#include "platform/Message.h"
#include "platform/Templates.h"
#include "platform/TreeItem.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Dialog;

/// Plays the user on one open dialog. Each action goes through the backend the way the
/// user's would (events, notifications, default handling), then the dialog goes idle.
/// Acting on a control the dialog does not hold, or one that is disabled or hidden, is
/// an internal error: a user could not have done it.
class PLATFORM_EXPORT User {
public:
    virtual ~User() = default;

    virtual Dialog& GetDialog() = 0;
    virtual void Select(ControlId tree, TreeItem item) = 0;
    /// Replaces the text of an edit or editable combo box, as typing would. In a property
    /// grid, types into the open cell editor (ClickProperty). In a pick list, a combo box
    /// without free editing or a grid's pick-list editor, the keys go to the first item
    /// they start (case ignored), which is taken at once.
    virtual void Type(ControlId id, std::wstring const& text) = 0;
    virtual void PressKey(ControlId id, int key) = 0;
    virtual void Click(ControlId button) = 0;
    virtual void ClickToolButton(ControlId bar, ControlId command) = 0;
    /// Picks the item at `index` of a combo box's list.
    virtual void Pick(ControlId combo, int index) = 0;
    /// `client` in the control's client coordinates.
    virtual void RightClick(ControlId id, Point client) = 0;
    virtual void DoubleClick(ControlId tree, Point client) = 0;
    /// Enters `text` as the value of the grid's row at `path` (names joined by "|").
    virtual void EditProperty(ControlId grid, std::wstring const& path,
                              std::wstring const& text) = 0;
    /// Clicks the value of the grid's row at `path`: the row is selected and its editor
    /// opens with the focus, so that Type and PressKey on the grid go to it.
    virtual void ClickProperty(ControlId grid, std::wstring const& path) = 0;
    virtual void MoveMouse(ControlId id, Point client) = 0;
    /// Drags the dialog's frame until its client area has `size`.
    virtual void Resize(Size size) = 0;
    virtual void Idle() = 0;
    /// The close box: the same as Cancel.
    virtual void Close() = 0;

    /// The tree item at `path` (texts joined by "|", from a root item); null when absent.
    TreeItem FindTreeItem(ControlId tree, std::wstring const& path);
    /// Selects the item at `path`; an absent path is an internal error.
    void Select(ControlId tree, std::wstring const& path);
    /// Double-clicks the middle of an item's label.
    void DoubleClickItem(ControlId tree, TreeItem item);
    void RightClickItem(ControlId tree, TreeItem item);
    /// Picks the item whose text equals `text`; absent is an internal error.
    void Pick(ControlId combo, std::wstring const& text);
    /// Lets the dialog's running timers expire now, the first due first, each followed by
    /// idle, as if the user had waited; returns how many expired.
    int RunTimers();

protected:
    /// The control `id` of `dialog`, of native kind `T`, if a user could act on it now:
    /// the dialog open (not `closed`), the control there, enabled and visible.
    template <typename T>
    static T& Usable(backend::NativeDialog& dialog, bool closed, ControlId id) {
        auto* control = dynamic_cast<T*>(&UsableWindow(dialog, closed, id));
        if (control == nullptr) {
            KindMismatch(dialog, id);
        }
        return *control;
    }

    /// Whether the user's click on `button` of `dialog` goes to the sheet holding it (when
    /// `onSheet`): OK and Cancel do, unless the page shows such a button of its own.
    static bool ClickGoesToSheet(backend::NativeDialog& dialog, bool onSheet, bool closed,
                                 ControlId button);

    /// The row of `grid` (control `id`) at `path`; an absent row is an internal error.
    static backend::PropertyHandle RowAt(backend::NativePropertyGrid const& grid, ControlId id,
                                         std::wstring const& path);

private:
    static backend::NativeWindow& UsableWindow(backend::NativeDialog& dialog, bool closed,
                                               ControlId id);
    [[noreturn]] static void KindMismatch(backend::NativeDialog& dialog, ControlId id);
};

using Scene = std::function<void(User&)>;

/// What a test or script installs to answer everything modal, in order: dialogs (by
/// template id), message boxes, file dialogs and popup menus. Message boxes without a
/// queued answer are answered with their first button; everything is recorded.
class PLATFORM_EXPORT Driver final {
public:
    struct ShownMessageBox {
        std::wstring text;
        std::wstring caption;
        unsigned style = 0;
        int answer = 0;
    };
    struct ShownMenu {
        std::vector<MenuItemTemplate> items;
        std::vector<CmdUI> states;
        Point at;
        ControlId chosen = 0;
    };

    void OnDialog(int templateId, Scene scene);
    void AnswerMessageBox(int button);
    void ChooseFile(std::wstring path, int filterIndex);
    void CancelFileDialog();
    void ChooseMenuItem(ControlId command);
    void DismissMenu();

    std::vector<ShownMessageBox> const& MessageBoxes() const { return m_messageBoxes; }
    std::vector<FileDialogRequest> const& FileDialogs() const { return m_fileDialogs; }
    std::vector<ShownMenu> const& Menus() const { return m_menus; }
    /// Answers not used yet.
    std::size_t Pending() const { return m_queue.size(); }

    /// Backend side: the next answer of each kind. A dialog or file dialog without its
    /// answer at the head of the queue is an internal error.
    Scene TakeDialogScene(int templateId);
    int TakeMessageBoxAnswer(std::wstring const& text, std::wstring const& caption, unsigned style);
    std::optional<FileChoice> TakeFileChoice(FileDialogRequest const& request);
    ControlId TakeMenuChoice(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                             Point at);

private:
    enum class Kind { Dialog, MessageBox, File, Menu };
    struct Answer {
        explicit Answer(Kind answerKind)
            : kind(answerKind) {}
        Kind kind;
        int templateId = 0;
        Scene scene;
        int button = 0;
        std::optional<FileChoice> file;
        ControlId command = 0;
    };

    std::optional<Answer> TakeIf(Kind kind);

    std::deque<Answer> m_queue;
    std::vector<ShownMessageBox> m_messageBoxes;
    std::vector<FileDialogRequest> m_fileDialogs;
    std::vector<ShownMenu> m_menus;
};

/// Installs `driver` on the current backend for the scope's life.
class [[nodiscard]] DriverScope final : InstallScope<Driver> {
public:
    PLATFORM_EXPORT explicit DriverScope(Driver& driver);
};

/// The driver installed on the current backend, or null (real users).
PLATFORM_EXPORT Driver* InstalledDriver();

} // namespace platform
