#include "shrgui/CDialogEx.h"

namespace shrgui {

CDialogEx::CDialogEx(int templateId, platform::Window* parent, bool, bool)
    : platform::Dialog(templateId, parent) {}

bool CDialogEx::OnInitDialog() {
    return platform::Dialog::OnInitDialog();
}

void CDialogEx::SafeDoDataExchange(platform::DataExchange&) {}

void CDialogEx::DoDataExchange(platform::DataExchange& exchange) {
    SafeDoDataExchange(exchange);
}

} // namespace shrgui
