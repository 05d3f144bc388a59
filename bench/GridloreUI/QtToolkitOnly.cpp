#include "QtToolkitOnly.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

namespace browserbench {

namespace {

// The browser's places in pixels at the usual font, as the wx floor has them.
constexpr int ButtonLeft = 460;
constexpr int ButtonWidth = 192;
constexpr int ButtonHeight = 30;

/// Appends a row named `text` under `parent` and returns it.
QStandardItem* Append(QStandardItem* parent, QString const& text) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    parent->appendRow(item);
    return item;
}

} // namespace

QtToolkitOnlyDialog::QtToolkitOnlyDialog()
    : m_model(new QStandardItemModel(this))
    , m_tree(new QTreeView(this))
    , m_status(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Toolkit only"));
    resize(666, 657);
    auto* search = new QComboBox(this);
    search->setEditable(true);
    search->setGeometry(12, 13, 354, search->sizeHint().height());
    m_status->setGeometry(12, 51, 320, 17);
    m_tree->setGeometry(12, 70, 432, 318);
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setModel(m_model);
    auto* description = new QPlainTextEdit(QStringLiteral("WGS 84\nEPSG:4326"), this);
    description->setReadOnly(true);
    description->setGeometry(12, 402, 432, 238);
    for (int top : {47, 87, 128, 198, 238, 308, 349, 566, 610}) {
        auto* button = new QPushButton(QStringLiteral("Button"), this);
        button->setGeometry(ButtonLeft, top, ButtonWidth, ButtonHeight);
    }
    ShowFullTree();
}

void QtToolkitOnlyDialog::ShowFullTree() {
    m_model->clear();
    QStandardItem* selected = nullptr;
    for (char const* folder : {"In Use", "Local", "Predefined", "Favorites", "Custom"}) {
        QStandardItem* top = Append(m_model->invisibleRootItem(), QString::fromLatin1(folder));
        if (QString::fromLatin1(folder) != QStringLiteral("Predefined")) {
            continue;
        }
        QStandardItem* world =
            Append(Append(top, QStringLiteral("Geographic")), QStringLiteral("World"));
        for (int i = 0; i < 40; ++i) {
            QStandardItem* item = Append(world, QStringLiteral("System %1").arg(i));
            if (i == 20) {
                selected = item;
            }
        }
    }
    m_status->clear();
    SelectShown(selected->index());
}

void QtToolkitOnlyDialog::ShowOneResult() {
    m_model->clear();
    QStandardItem* found =
        Append(Append(Append(Append(m_model->invisibleRootItem(), QStringLiteral("Predefined")),
                             QStringLiteral("Geographic")),
                      QStringLiteral("World")),
               QStringLiteral("WGS 84"));
    m_status->setText(QStringLiteral("1 coordinate system found"));
    SelectShown(found->index());
}

void QtToolkitOnlyDialog::SelectShown(QModelIndex const& index) {
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        m_tree->expand(parent);
    }
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

} // namespace browserbench
