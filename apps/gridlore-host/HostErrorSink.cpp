#include "HostErrorSink.h"

#include "platform/MessageBox.h"

namespace gridhost {
namespace {

std::wstring const& HostCaption() {
    static std::wstring const caption = L"GridloreUI Host";
    return caption;
}

std::wstring CaptionOr(std::wstring const& caption) {
    return caption.empty() ? HostCaption() : caption;
}

} // namespace

void HostErrorSink::ShowMessage(std::wstring const& caption, std::wstring const& message) {
    platform::MessageBox(nullptr, message, CaptionOr(caption),
                         platform::MB_OK | platform::MB_ICONINFORMATION);
}

bool HostErrorSink::AskQuestion(std::wstring const& caption, std::wstring const& message) {
    return platform::MessageBox(nullptr, message, CaptionOr(caption),
                                platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES;
}

// Where the library found the error means nothing to the user of a mapping application.
void HostErrorSink::ReportError(std::wstring const& caption, std::wstring const& message,
                                std::wstring const& /*module*/, std::wstring const& /*file*/,
                                int /*line*/) {
    ShowError(caption, message);
}

void HostErrorSink::ShowError(std::wstring const& caption, std::wstring const& message) {
    platform::MessageBox(nullptr, message, CaptionOr(caption),
                         platform::MB_OK | platform::MB_ICONERROR);
}

} // namespace gridhost
