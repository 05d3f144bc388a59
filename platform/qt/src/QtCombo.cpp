#include "QtCombo.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>

namespace platform::qt {

namespace {

/// Rows a dropped-down list shows at once.
constexpr int ShownRows = 12;

} // namespace

QtCombo::QtCombo(QtDialog* parent, ControlTemplate const& control, Rect pixels)
    : ModelBackedCombo(control.style, parent, control.id, nullptr)
    , m_box(new QComboBox(&parent->Container()))
    , m_model(new QStringListModel(m_box)) {
    m_widget = m_box;
    m_box->setModel(m_model);
    m_box->setMaxVisibleItems(ShownRows);
    if (IsEditable()) {
        m_box->setEditable(true);
        // Enter belongs to the dialog: the box never adds what was typed to its list.
        m_box->setInsertPolicy(QComboBox::NoInsert);
        m_box->setEditText(ToQt(control.text));
        RaiseOn(m_box, &QComboBox::editTextChanged, *this, Event::EditChange);
    }
    // The template's height is the dropped-down list's; the box keeps its natural one.
    m_box->setGeometry(pixels.left, pixels.top, pixels.Width(), m_box->sizeHint().height());
    RaiseOn(m_box, &QComboBox::activated, *this, Event::ComboSelChange);
}

template <typename Change> void QtCombo::Quietly(Change const& change) {
    QSignalBlocker const quiet(m_box);
    bool const wasSelected = m_box->currentIndex() >= 0;
    QString const typed = m_box->currentText();
    change();
    // Qt selects the first item of a list that was empty, and moves the selection off an
    // item removed; the platform's lists do neither.
    if (!wasSelected && m_box->currentIndex() >= 0) {
        m_box->setCurrentIndex(-1);
    }
    if (m_box->isEditable() && m_box->currentText() != typed) {
        m_box->setEditText(typed);
    }
}

void QtCombo::ShowInserted(int index, std::wstring const& text) {
    Quietly([&] {
        m_model->insertRows(index, 1);
        m_model->setData(m_model->index(index), ToQt(text));
    });
}

void QtCombo::ShowDeleted(int index) {
    Quietly([&] {
        bool const selected = m_box->currentIndex() == index;
        m_model->removeRows(index, 1);
        if (selected) {
            m_box->setCurrentIndex(-1);
        }
    });
}

void QtCombo::ShowCleared() {
    Quietly([&] {
        m_model->setStringList({});
        m_box->setCurrentIndex(-1);
    });
}

int QtCombo::GetCurSel() const {
    int const index = m_box->currentIndex();
    if (index >= 0 && m_box->isEditable() && m_box->currentText() != m_box->itemText(index)) {
        return -1;
    }
    return index;
}

void QtCombo::SetCurSel(int index) {
    QSignalBlocker const quiet(m_box);
    m_box->setCurrentIndex(index < 0 ? -1 : index);
    if (index < 0 && m_box->isEditable()) {
        m_box->clearEditText();
    }
}

void QtCombo::ShowCueBanner(std::wstring const& text) {
    if (QLineEdit* field = m_box->lineEdit()) {
        field->setPlaceholderText(ToQt(text));
    } else {
        m_box->setPlaceholderText(ToQt(text));
    }
}

} // namespace platform::qt
