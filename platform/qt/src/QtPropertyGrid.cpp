#include "QtPropertyGrid.h"
#include "QtDialog.h"
#include "QtWindow.h"

#include "platform/PropertyGrid.h"
#include "shr/Exception.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace platform::qt {

namespace {

/// The value as the grid keeps it, beside the text it draws.
constexpr int ValueRole = Qt::UserRole;
/// The unit drawn after the value.
constexpr int UnitsRole = Qt::UserRole + 1;
constexpr int NameColumn = 0;
constexpr int ValueColumn = 1;

QVariant ToVariant(Variant const& value) {
    switch (TypeOf(value)) {
    case VariantType::Double:
        return std::get<double>(value);
    case VariantType::Int:
        return std::get<int>(value);
    case VariantType::Bool:
        return std::get<bool>(value);
    case VariantType::Text:
        return ToQt(std::get<std::wstring>(value));
    default:
        return {};
    }
}

void ShowIn(QStandardItem& cell, Variant const& value) {
    cell.setData(ToQt(backend::FormatVariant(value)), Qt::DisplayRole);
    cell.setData(ToVariant(value), ValueRole);
}

std::wstring EditorText(QWidget const& editor) {
    if (auto const* combo = qobject_cast<QComboBox const*>(&editor)) {
        return FromQt(combo->currentText());
    }
    return FromQt(static_cast<QLineEdit const&>(editor).text());
}

} // namespace

/// The grid's view: its editors are committed and closed by the grid, on Enter and
/// Escape, before the keys could reach the dialog.
class QtGridView final : public QTreeView {
public:
    using QTreeView::edit;
    using QTreeView::QTreeView;

    void CommitAndClose(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
        if (hint != QAbstractItemDelegate::RevertModelCache) {
            commitData(editor);
        }
        closeEditor(editor, hint);
    }

protected:
    bool edit(QModelIndex const& index, EditTrigger trigger, QEvent* event) override {
        // A name is not edited: a key or click on it edits the row's value.
        return QTreeView::edit(index.siblingAtColumn(ValueColumn), trigger, event);
    }
};

/// Edits a value in its cell: a pick list for options and truth values, a line for the
/// rest; draws the unit after the value.
class QtPropertyDelegate final : public QStyledItemDelegate {
public:
    QtPropertyDelegate(QtPropertyGrid& owner, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_owner(owner) {}

    QWidget* createEditor(QWidget* parent, QStyleOptionViewItem const&,
                          QModelIndex const& index) const override {
        backend::PropertyHandle const row = m_owner.RowOf(index);
        backend::PropertyDesc const& desc = m_owner.Desc(row);
        bool const truth = TypeOf(desc.value) == VariantType::Bool;
        QWidget* editor = nullptr;
        if (truth || !desc.options.empty()) {
            auto* combo = new QComboBox(parent);
            for (std::wstring const& option :
                 truth ? std::vector<std::wstring>{L"True", L"False"} : desc.options) {
                combo->addItem(ToQt(option));
            }
            combo->setEditable(!truth && desc.allowEdit);
            // A pick is the user's edit at once, as the toolkit's lists take it; the list
            // stays open for the next.
            if (!combo->isEditable()) {
                QObject::connect(combo, &QComboBox::activated, combo, [this, combo] {
                    emit const_cast<QtPropertyDelegate*>(this)->commitData(combo);
                });
            }
            editor = combo;
        } else {
            editor = new QLineEdit(parent);
        }
        m_owner.m_editor = editor;
        m_owner.m_editedRow = row;
        return editor;
    }

    void destroyEditor(QWidget* editor, QModelIndex const& index) const override {
        if (m_owner.m_editor == editor) {
            m_owner.m_editor = nullptr;
            m_owner.m_editedRow = 0;
        }
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    void setEditorData(QWidget* editor, QModelIndex const& index) const override {
        QString const text = index.data(Qt::DisplayRole).toString();
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (combo->isEditable()) {
                combo->setEditText(text);
            } else {
                combo->setCurrentIndex(combo->findText(text));
            }
        } else {
            static_cast<QLineEdit*>(editor)->setText(text);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      QModelIndex const& index) const override {
        backend::PropertyHandle const row = m_owner.RowOf(index);
        try {
            m_owner.ChangeAsUser(row, m_owner.ParsedEdit(row, EditorText(*editor)));
        } catch (shr::Exception const&) {
            // The editor closes as the focus leaves it; what it held does not fit the
            // row, which keeps its value.
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, QModelIndex const& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        QString const units = index.data(UnitsRole).toString();
        if (!units.isEmpty()) {
            option->text += QLatin1Char(' ') + units;
        }
    }

private:
    QtPropertyGrid& m_owner;
};

QtPropertyGrid::QtPropertyGrid(QtDialog* parent, ControlId id, Rect pixels)
    : ToolkitPropertyGrid(parent, id, nullptr) {
    m_view = new QtGridView(&parent->Container());
    m_widget = m_view;
    m_view->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    m_model = new QStandardItemModel(0, 2, m_view);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new QtPropertyDelegate(*this, m_view));
    m_view->setHeaderHidden(true);
    m_view->setUniformRowHeights(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // The names as wide as the longest; the values take the rest. A split in the middle
    // cut long names and values alike.
    m_view->header()->setSectionResizeMode(NameColumn, QHeaderView::ResizeToContents);
    m_view->header()->setStretchLastSection(true);
    // A click on a value opens its editor at once, as a grid's cells do.
    QObject::connect(m_view, &QAbstractItemView::clicked, m_view, [this](QModelIndex const& at) {
        if (at.column() == ValueColumn) {
            View().edit(at);
        }
    });
}

QtPropertyGrid::~QtPropertyGrid() {
    // The view's delegate reads this grid's rows: the view goes with it.
    delete m_view.data();
}

QtGridView& QtPropertyGrid::View() const {
    return *m_view;
}

QStandardItem& QtPropertyGrid::NameItem(backend::PropertyHandle row) const {
    Desc(row);
    // A row's handle is its name item's address, known to be one since Desc found it.
    return *reinterpret_cast<QStandardItem*>(row); // NOLINT(performance-no-int-to-ptr)
}

QStandardItem& QtPropertyGrid::ValueItem(backend::PropertyHandle row) const {
    QStandardItem& name = NameItem(row);
    QStandardItem* family = name.parent() != nullptr ? name.parent() : m_model->invisibleRootItem();
    return *family->child(name.row(), ValueColumn);
}

backend::PropertyHandle QtPropertyGrid::RowOf(QModelIndex const& index) const {
    auto const handle = reinterpret_cast<backend::PropertyHandle>(
        m_model->itemFromIndex(index.siblingAtColumn(NameColumn)));
    return Holds(handle) ? handle : 0;
}

backend::PropertyHandle QtPropertyGrid::ShowAppended(backend::PropertyHandle parent,
                                                     backend::PropertyDesc const& desc) {
    auto* name = new QStandardItem(ToQt(desc.name));
    auto* value = new QStandardItem();
    name->setEditable(false);
    value->setEditable(!desc.isGroup);
    for (QStandardItem* cell : {name, value}) {
        cell->setToolTip(ToQt(desc.description));
    }
    if (!desc.isGroup) {
        ShowIn(*value, desc.value);
        value->setData(ToQt(desc.units), UnitsRole);
    }
    QStandardItem& family = parent == 0 ? *m_model->invisibleRootItem() : NameItem(parent);
    family.appendRow({name, value});
    if (desc.isGroup) {
        QFont font = name->font();
        font.setBold(true);
        name->setFont(font);
        View().setFirstColumnSpanned(name->row(), family.index(), true);
    }
    // A group shows its rows, as the toolkit's grids open their categories.
    if (parent != 0) {
        View().expand(family.index());
    }
    return reinterpret_cast<backend::PropertyHandle>(name);
}

void QtPropertyGrid::ShowRemovedAll() {
    // Rows removed take an editor open among them along.
    m_model->removeRows(0, m_model->rowCount());
}

QtPropertyGrid::ShownRow QtPropertyGrid::Shown(backend::PropertyHandle row) const {
    QStandardItem const& cell = ValueItem(row);
    QVariant const value = cell.data(ValueRole);
    ShownRow shown{.value = {},
                   .text = FromQt(cell.data(Qt::DisplayRole).toString()),
                   .units = FromQt(cell.data(UnitsRole).toString())};
    switch (TypeOf(Desc(row).value)) {
    case VariantType::Double:
        shown.value = value.toDouble();
        break;
    case VariantType::Int:
        shown.value = value.toInt();
        break;
    case VariantType::Bool:
        shown.value = value.toBool();
        break;
    case VariantType::Text:
        shown.value = FromQt(value.toString());
        break;
    default:
        break;
    }
    return shown;
}

void QtPropertyGrid::ShowValue(backend::PropertyHandle row, Variant const& value) {
    ShowIn(ValueItem(row), value);
}

void QtPropertyGrid::ShowUnits(backend::PropertyHandle row, std::wstring const& units) {
    ValueItem(row).setData(ToQt(units), UnitsRole);
}

void QtPropertyGrid::Select(backend::PropertyHandle row) {
    if (row == 0) {
        View().selectionModel()->clearSelection();
        return;
    }
    View().setCurrentIndex(NameItem(row).index());
}

backend::PropertyHandle QtPropertyGrid::SelectedShown() const {
    QModelIndexList const rows = View().selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : RowOf(rows.front());
}

void QtPropertyGrid::EnsureVisible(backend::PropertyHandle row) {
    View().scrollTo(NameItem(row).index());
}

void QtPropertyGrid::EnableHeader(bool on, std::wstring const& left, std::wstring const& right) {
    m_model->setHorizontalHeaderLabels({ToQt(left), ToQt(right)});
    View().setHeaderHidden(!on);
}

void QtPropertyGrid::OpenEditor(backend::PropertyHandle row) {
    QModelIndex const cell = ValueItem(row).index();
    View().scrollTo(cell);
    // Moving to another row commits and closes the editor open there, as a click does.
    View().setCurrentIndex(cell);
    View().edit(cell);
    if (m_editor != nullptr) {
        m_editor->setFocus();
    }
}

QWidget* QtPropertyGrid::FocusedEditor() const {
    if (m_editor == nullptr) {
        return nullptr;
    }
    // The window's own focus, which it keeps while another window is active.
    QWidget const* focus = View().window()->focusWidget();
    bool const holds = focus != nullptr && (focus == m_editor || m_editor->isAncestorOf(focus));
    return holds ? m_editor.data() : nullptr;
}

void QtPropertyGrid::CloseEditor(QWidget& editor, bool commit) {
    if (commit) {
        try {
            ParsedEdit(m_editedRow, EditorText(editor));
        } catch (shr::Exception const&) {
            return;
        }
    }
    // Closed without its commit, the row keeps its value and no change is announced.
    View().CommitAndClose(&editor, commit ? QAbstractItemDelegate::SubmitModelCache
                                          : QAbstractItemDelegate::RevertModelCache);
    View().setFocus();
}

} // namespace platform::qt
