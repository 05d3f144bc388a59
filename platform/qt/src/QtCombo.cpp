// The box's members for Qt are specialised here before the class is instantiated at the
// end: QtCombo.h, which declares that instantiation to the files that use it, must not come
// first.
#include "platform/ToolkitCombo.h"

#include "QtDialog.h"
#include "QtWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>

namespace platform::qt {

namespace {

/// Rows a dropped-down list shows at once.
constexpr int ShownRows = 12;

/// Runs `change` on the list of `box` with no notification, leaving the selection as it was
/// (or none) and the text typed in the field alone.
template <typename Change> void Quietly(QComboBox& box, Change const& change) {
    QSignalBlocker const quiet(&box);
    bool const wasSelected = box.currentIndex() >= 0;
    QString const typed = box.currentText();
    change();
    // Qt selects the first item of a list that was empty, and moves the selection off an
    // item removed; the platform's lists do neither.
    if (!wasSelected && box.currentIndex() >= 0) {
        box.setCurrentIndex(-1);
    }
    if (box.isEditable() && box.currentText() != typed) {
        box.setEditText(typed);
    }
}

} // namespace

} // namespace platform::qt

namespace platform::backend {

using QtComboBase = ToolkitCombo<qt::QtWindow>;

/// The box over a plain list of its texts.
template <> struct QtComboBase::Parts {
    explicit Parts(QComboBox* made)
        : box(made)
        , model(new QStringListModel(made)) {}

    QComboBox* box;
    QStringListModel* model;
};

template <>
QtComboBase::ToolkitCombo(qt::QtDialog* dialog, ControlTemplate const& control, Rect pixels)
    : ModelBackedCombo(control.style, dialog, control.id, nullptr)
    , m_parts(std::make_unique<Parts>(new QComboBox(&dialog->Container()))) {
    QComboBox& box = *m_parts->box;
    m_widget = &box;
    box.setModel(m_parts->model);
    box.setMaxVisibleItems(qt::ShownRows);
    if (IsEditable()) {
        box.setEditable(true);
        // Enter belongs to the dialog: the box never adds what was typed to its list.
        box.setInsertPolicy(QComboBox::NoInsert);
        box.setEditText(qt::ToQt(control.text));
        qt::RaiseOn(&box, &QComboBox::editTextChanged, *this, Event::EditChange);
    }
    box.setGeometry(pixels.left, pixels.top, pixels.Width(), box.sizeHint().height());
    qt::RaiseOn(&box, &QComboBox::activated, *this, Event::ComboSelChange);
}

template <> void QtComboBase::ShowInserted(int index, std::wstring const& text) {
    QStringListModel& model = *m_parts->model;
    qt::Quietly(*m_parts->box, [&] {
        model.insertRows(index, 1);
        model.setData(model.index(index), qt::ToQt(text));
    });
}

template <> void QtComboBase::ShowDeleted(int index) {
    QComboBox& box = *m_parts->box;
    qt::Quietly(box, [&] {
        bool const selected = box.currentIndex() == index;
        m_parts->model->removeRows(index, 1);
        if (selected) {
            box.setCurrentIndex(-1);
        }
    });
}

template <> void QtComboBase::ShowCleared() {
    QComboBox& box = *m_parts->box;
    qt::Quietly(box, [&] {
        m_parts->model->setStringList({});
        box.setCurrentIndex(-1);
    });
}

template <> int QtComboBase::GetCurSel() const {
    QComboBox const& box = *m_parts->box;
    int const index = box.currentIndex();
    if (index >= 0 && box.isEditable() && box.currentText() != box.itemText(index)) {
        return -1;
    }
    return index;
}

template <> void QtComboBase::SetCurSel(int index) {
    QComboBox& box = *m_parts->box;
    QSignalBlocker const quiet(&box);
    box.setCurrentIndex(index < 0 ? -1 : index);
    if (index < 0 && box.isEditable()) {
        box.clearEditText();
    }
}

template <> void QtComboBase::ShowCueBanner(std::wstring const& text) {
    QComboBox& box = *m_parts->box;
    if (QLineEdit* field = box.lineEdit()) {
        field->setPlaceholderText(qt::ToQt(text));
    } else {
        box.setPlaceholderText(qt::ToQt(text));
    }
}

template class ToolkitCombo<qt::QtWindow>;

} // namespace platform::backend
