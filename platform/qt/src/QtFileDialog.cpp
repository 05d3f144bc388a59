#include "QtFileDialog.h"

#include "QtWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace platform::qt {

namespace {

/// Qt reads a type's patterns from the parentheses that end its name, split by spaces;
/// a label that already ends with its patterns is taken as it is.
QString NameFilter(FileFilter const& filter) {
    QString patterns = ToQt(filter.pattern);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString const label = ToQt(filter.label);
    if (label.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
        return label;
    }
    return label + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

} // namespace

std::optional<FileChoice> ShowFileDialog(FileDialogRequest const& request, QWidget* owner) {
    QFileDialog dialog(owner, ToQt(request.title), ToQt(request.initialFolder));
    QStringList filters;
    for (FileFilter const& filter : request.filters) {
        filters.append(NameFilter(filter));
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Qt leaves the name as it is when the type changes; the platform's dialogs follow.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &request, &filters](QString const& picked) {
                             QStringList const selected = dialog.selectedFiles();
                             if (selected.isEmpty()) {
                                 return;
                             }
                             std::wstring const name =
                                 FromQt(QFileInfo(selected.front()).fileName());
                             std::wstring const renamed = NameForFilter(
                                 name, request.filters, static_cast<int>(filters.indexOf(picked)));
                             if (renamed != name) {
                                 dialog.selectFile(ToQt(renamed));
                             }
                         });
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.initialName.empty()) {
        dialog.selectFile(ToQt(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    int const filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return FileChoice{FromQt(dialog.selectedFiles().front()), filterIndex < 0 ? 0 : filterIndex};
}

} // namespace platform::qt
