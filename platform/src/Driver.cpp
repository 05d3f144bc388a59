#include "platform/Driver.h"

#include "platform/Error.h"

namespace platform {

namespace {

Driver* DriverInUse = nullptr;

/// The button a box answers with when nobody queued an answer: its first one.
int FirstButton(unsigned style) {
    switch (style & 0xFU) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}

} // namespace

Driver* InstalledDriver() {
    return DriverInUse;
}

DriverScope::DriverScope(Driver& driver)
    : InstallScope(DriverInUse, driver) {}

void Driver::OnDialog(int templateId, Scene scene) {
    Answer answer(Kind::Dialog);
    answer.templateId = templateId;
    answer.scene = std::move(scene);
    m_queue.push_back(std::move(answer));
}

void Driver::AnswerMessageBox(int button) {
    Answer answer(Kind::MessageBox);
    answer.button = button;
    m_queue.push_back(std::move(answer));
}

void Driver::ChooseFile(std::wstring path, int filterIndex) {
    Answer answer(Kind::File);
    answer.file = FileChoice{std::move(path), filterIndex};
    m_queue.push_back(std::move(answer));
}

void Driver::CancelFileDialog() {
    m_queue.emplace_back(Kind::File);
}

void Driver::ChooseMenuItem(ControlId command) {
    Answer answer(Kind::Menu);
    answer.command = command;
    m_queue.push_back(std::move(answer));
}

void Driver::DismissMenu() {
    m_queue.emplace_back(Kind::Menu);
}

std::optional<Driver::Answer> Driver::TakeIf(Kind kind) {
    if (m_queue.empty() || m_queue.front().kind != kind) {
        return std::nullopt;
    }
    Answer answer = std::move(m_queue.front());
    m_queue.pop_front();
    return answer;
}

Scene Driver::TakeDialogScene(int templateId) {
    std::optional<Answer> answer = TakeIf(Kind::Dialog);
    if (!answer) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(templateId) +
                       L" opened but the driver has no scene for a dialog next");
    }
    if (answer->templateId != templateId) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(templateId) +
                       L" opened but the driver expected dialog " +
                       std::to_wstring(answer->templateId));
    }
    return std::move(answer->scene);
}

int Driver::TakeMessageBoxAnswer(std::wstring const& text, std::wstring const& caption,
                                 unsigned style) {
    std::optional<Answer> answer = TakeIf(Kind::MessageBox);
    int const button = answer ? answer->button : FirstButton(style);
    m_messageBoxes.push_back({text, caption, style, button});
    return button;
}

std::optional<FileChoice> Driver::TakeFileChoice(FileDialogRequest const& request) {
    m_fileDialogs.push_back(request);
    std::optional<Answer> answer = TakeIf(Kind::File);
    if (!answer) {
        PLATFORM_ERROR(L"a file dialog opened but the driver has no answer for one next");
    }
    if (answer->file && (answer->file->filterIndex < 0 ||
                         answer->file->filterIndex >= static_cast<int>(request.filters.size()))) {
        PLATFORM_ERROR(L"the driver chose filter " + std::to_wstring(answer->file->filterIndex) +
                       L" of a file dialog with " + std::to_wstring(request.filters.size()));
    }
    return answer->file;
}

ControlId Driver::TakeMenuChoice(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                                 Point at) {
    std::optional<Answer> answer = TakeIf(Kind::Menu);
    ControlId const chosen = answer ? answer->command : 0;
    m_menus.push_back({popup.items, states, at, chosen});
    if (chosen == 0) {
        return 0;
    }
    for (CmdUI const& state : states) {
        if (state.id == chosen) {
            if (!state.enabled) {
                PLATFORM_ERROR(L"the driver chose the disabled menu item " +
                               std::to_wstring(chosen));
            }
            return chosen;
        }
    }
    PLATFORM_ERROR(L"the driver chose menu item " + std::to_wstring(chosen) +
                   L", which the menu does not hold");
}

} // namespace platform
