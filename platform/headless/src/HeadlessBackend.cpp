#include "platform/headless/HeadlessBackend.h"

#include "HeadlessDialog.h"
#include "HeadlessSheet.h"
#include "HeadlessTree.h"
#include "platform/Error.h"
#include "platform/Window.h"

namespace platform::headless {

namespace {

class HeadlessToolTip final : public backend::NativeToolTip {
public:
    void AddTool(std::wstring const& text) override { m_text = text; }
    void Activate(bool on) override { m_active = on; }
    bool IsActive() const override { return m_active; }
    std::wstring Text() const override { return m_text; }

private:
    std::wstring m_text;
    bool m_active = true;
};

Driver& RequiredDriver(wchar_t const* what) {
    Driver* driver = InstalledDriver();
    if (driver == nullptr) {
        PLATFORM_ERROR(std::wstring(what) +
                       L" opened on the headless backend without a driver to answer it");
    }
    return *driver;
}

} // namespace

std::wstring MemorySettings::GetString(std::wstring const& section, std::wstring const& entry,
                                       std::wstring const& fallback) const {
    auto const found = m_values.find({section, entry});
    return found == m_values.end() ? fallback : found->second;
}

void MemorySettings::SetString(std::wstring const& section, std::wstring const& entry,
                               std::wstring const& value) {
    m_values[{section, entry}] = value;
}

bool MemorySettings::HasEntry(std::wstring const& section, std::wstring const& entry) const {
    return m_values.contains({section, entry});
}

void MemorySettings::DeleteEntry(std::wstring const& section, std::wstring const& entry) {
    m_values.erase({section, entry});
}

HeadlessBackend::HeadlessBackend() = default;
HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<backend::NativeDialog>
HeadlessBackend::CreateDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
                              backend::NativeWindow* parent) {
    return std::make_unique<HeadlessDialog>(dialog, events, parent);
}

std::unique_ptr<backend::NativeSheet> HeadlessBackend::CreateSheet(std::wstring const& caption,
                                                                   backend::SheetEvents& events,
                                                                   backend::NativeWindow*) {
    return std::make_unique<HeadlessSheet>(caption, events);
}

std::unique_ptr<backend::NativeToolTip> HeadlessBackend::CreateToolTip(backend::NativeWindow&) {
    return std::make_unique<HeadlessToolTip>();
}

int HeadlessBackend::MessageBox(backend::NativeWindow*, std::wstring const& text,
                                std::wstring const& caption, unsigned style) {
    return RequiredDriver(L"a message box").TakeMessageBoxAnswer(text, caption, style);
}

std::optional<FileChoice> HeadlessBackend::ChooseFile(FileDialogRequest const& request) {
    return RequiredDriver(L"a file dialog").TakeFileChoice(request);
}

ControlId HeadlessBackend::TrackPopupMenu(MenuPopupTemplate const& popup,
                                          std::vector<CmdUI> const& states, backend::NativeWindow&,
                                          Point screen) {
    return RequiredDriver(L"a popup menu").TakeMenuChoice(popup, states, screen);
}

void HeadlessBackend::BeginWaitCursor() {
    ++m_waitDepth;
    ++m_waitShown;
}

void HeadlessBackend::EndWaitCursor() {
    if (m_waitDepth == 0) {
        PLATFORM_ERROR(L"a wait cursor ended that never began");
    }
    --m_waitDepth;
}

std::vector<std::pair<StockIcon, Rect>> PaintedIcons(Window const& tree) {
    auto* native = dynamic_cast<HeadlessTree*>(&tree.Native());
    if (native == nullptr) {
        PLATFORM_ERROR(L"PaintedIcons needs a headless tree");
    }
    return native->PaintedIcons();
}

} // namespace platform::headless
