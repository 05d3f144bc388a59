#include "QtFileDialog.h"

#include "QtWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <memory>

namespace platform::qt {

namespace {

/// Qt reads a type's patterns from the parentheses that end its name, split by spaces;
/// a label that already ends with its patterns is taken as it is.
QString NameFilter(FileFilter const& filter) {
    QString patterns = ToQt(filter.pattern);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString label = ToQt(filter.label);
    if (label.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
        return label;
    }
    return label + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

/// The name Qt proposes after a change to `filter`: the last suffix of `name` swapped
/// for the last suffix of the type's first pattern.
QString QtRenamed(QString const& name, FileFilter const& filter) {
    QString const pattern = ToQt(filter.pattern).section(QLatin1Char(';'), 0, 0);
    QString const suffix = QFileInfo(pattern).suffix();
    QString const old = QFileInfo(name).suffix();
    if (old.isEmpty() || suffix.isEmpty()) {
        return name;
    }
    return name.left(name.size() - old.size()) + suffix;
}

/// Qt swaps only the last suffix when the type changes ("Site.aux.xml" as a projection
/// becomes "Site.aux.prj"); the name is renamed here as the platform's dialogs do, from
/// the name it had before Qt's swap unless the user has typed another since.
void FollowTypes(QFileDialog& dialog, FileDialogRequest const& request) {
    auto before = std::make_shared<QString>(ToQt(request.initialName));
    auto const follow = [&dialog, &request, before](QString const& picked) {
        auto const index = dialog.nameFilters().indexOf(picked);
        QStringList const selected = dialog.selectedFiles();
        if (index < 0 || index >= static_cast<qsizetype>(request.filters.size()) ||
            selected.isEmpty()) {
            return;
        }
        QString const shown = QFileInfo(selected.front()).fileName();
        bool const untouched =
            shown == QtRenamed(*before, request.filters[static_cast<std::size_t>(index)]);
        std::wstring const renamed = NameForFilter(FromQt(untouched ? *before : shown),
                                                   request.filters, static_cast<int>(index));
        *before = ToQt(renamed);
        if (*before != shown) {
            dialog.selectFile(*before);
        }
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
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
        FollowTypes(dialog, request);
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
