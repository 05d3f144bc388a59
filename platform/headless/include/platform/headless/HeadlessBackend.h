// platform::headless::HeadlessBackend: every control in memory, the user played by a Driver.
#pragma once

#include "platform/Backend.h"
#include "platform/SettingsStore.h"
#include "platform/headless/Export.h"

#include <map>
#include <utility>
#include <vector>

namespace platform::headless {

/// Settings kept in memory for the backend's life.
class PLATFORM_HEADLESS_EXPORT MemorySettings final : public SettingsStore {
public:
    std::wstring GetString(std::wstring const& section, std::wstring const& entry,
                           std::wstring const& fallback) const override;
    void SetString(std::wstring const& section, std::wstring const& entry,
                   std::wstring const& value) override;
    bool HasEntry(std::wstring const& section, std::wstring const& entry) const override;
    void DeleteEntry(std::wstring const& section, std::wstring const& entry) override;
    void Flush() override {}

private:
    std::map<std::pair<std::wstring, std::wstring>, std::wstring> m_values;
};

/// Dialogs have no display: DoModal runs the installed Driver's scene for the dialog's
/// template (without one it is an internal error). Layout is arithmetic: dialog units
/// convert with a fixed 8-point font (4 units = 6 pixels across, 8 units = 13 down) and
/// tree rows are 16 pixels high.
class PLATFORM_HEADLESS_EXPORT HeadlessBackend final : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    std::unique_ptr<backend::NativeDialog> CreateDialog(DialogTemplate const& dialog,
                                                        backend::DialogEvents& events,
                                                        backend::NativeWindow* parent) override;
    std::unique_ptr<backend::NativeSheet> CreateSheet(std::wstring const& caption,
                                                      backend::SheetEvents& events,
                                                      backend::NativeWindow* parent) override;
    std::unique_ptr<backend::NativeToolTip> CreateToolTip(backend::NativeWindow& tool) override;
    int MessageBox(backend::NativeWindow* owner, std::wstring const& text,
                   std::wstring const& caption, unsigned style) override;
    std::optional<FileChoice> ChooseFile(FileDialogRequest const& request) override;
    ControlId TrackPopupMenu(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                             backend::NativeWindow& owner, Point screen) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    SettingsStore& Settings() override { return m_settings; }

    /// How many wait cursors are showing now, and how many were ever shown.
    int WaitCursorDepth() const { return m_waitDepth; }
    int WaitCursorsShown() const { return m_waitShown; }

private:
    MemorySettings m_settings;
    int m_waitDepth = 0;
    int m_waitShown = 0;
};

/// The icons custom drawing put on a headless tree at its last paint (each idle paints).
PLATFORM_HEADLESS_EXPORT std::vector<std::pair<StockIcon, Rect>> PaintedIcons(Window const& tree);

} // namespace platform::headless
