// platform::qt::QtMultiLineEdit: a dialog's edit of several lines.
#pragma once

#include "QtWindow.h"

#include <QPlainTextEdit>

#include <string>

namespace platform::qt {

/// Qt keeps the lines of an edit as paragraphs, so a text set with "\r\n" would read back
/// with "\n" alone; the text as the program set it reads back until the user changes it.
class QtMultiLineEdit final : public QtControl {
public:
    QtMultiLineEdit(QtDialog* parent, ControlId id, QPlainTextEdit* edit);

    std::wstring GetText() const override;
    /// Notifies nothing, as the program's changes to any edit.
    void SetText(std::wstring const& text) override;

private:
    QPlainTextEdit& Edit() const { return static_cast<QPlainTextEdit&>(*m_widget); }

    std::wstring m_set;
};

} // namespace platform::qt
