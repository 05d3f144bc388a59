#include "QtMultiLineEdit.h"

#include <QSignalBlocker>

namespace platform::qt {

namespace {

/// `text` as the edit holds it: one "\n" between lines.
QString AsShown(std::wstring const& text) {
    QString shown = ToQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace

QtMultiLineEdit::QtMultiLineEdit(QtDialog* parent, ControlId id, QPlainTextEdit* edit)
    : QtControl(parent, id, edit)
    , m_set(FromQt(edit->toPlainText())) {}

std::wstring QtMultiLineEdit::GetText() const {
    QString const shown = Edit().toPlainText();
    return shown == AsShown(m_set) ? m_set : FromQt(shown);
}

void QtMultiLineEdit::SetText(std::wstring const& text) {
    m_set = text;
    QString const shown = AsShown(text);
    // The same text again would still be laid out anew and take the reader to its start.
    if (Edit().toPlainText() != shown) {
        QSignalBlocker const quiet(m_widget);
        Edit().setPlainText(shown);
    }
}

} // namespace platform::qt
