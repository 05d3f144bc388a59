#include "HostErrorSink.h"

#include "shr/Utf8.h"

#include <QMessageBox>
#include <QString>

#include <iostream>

namespace {

QString Caption(std::wstring const& caption) {
    return caption.empty() ? QStringLiteral("Qt host") : QString::fromStdWString(caption);
}

void Print(std::wstring const& caption, std::wstring const& message) {
    std::cerr << shr::ToUtf8(caption) << ": " << shr::ToUtf8(message) << '\n';
}

} // namespace

HostErrorSink::HostErrorSink(QWidget* owner, bool scripted)
    : m_owner(owner)
    , m_scripted(scripted) {}

void HostErrorSink::ShowMessage(std::wstring const& caption, std::wstring const& message) {
    if (m_scripted) {
        Print(caption, message);
        return;
    }
    QMessageBox::information(m_owner, Caption(caption), QString::fromStdWString(message));
}

bool HostErrorSink::AskQuestion(std::wstring const& caption, std::wstring const& message) {
    if (m_scripted) {
        Print(caption, message);
        return false;
    }
    return QMessageBox::question(m_owner, Caption(caption), QString::fromStdWString(message)) ==
           QMessageBox::Yes;
}

void HostErrorSink::ReportError(std::wstring const& caption, std::wstring const& message,
                                std::wstring const& /*module*/, std::wstring const& /*file*/,
                                int /*line*/) {
    ShowError(caption, message);
}

void HostErrorSink::ShowError(std::wstring const& caption, std::wstring const& message) {
    if (m_scripted) {
        Print(caption, message);
        return;
    }
    QMessageBox::critical(m_owner, Caption(caption), QString::fromStdWString(message));
}
