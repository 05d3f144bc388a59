// Qt's own file dialog, shown for real and used while it is open.
#include "../BackendUnderTest.h"

#include "ScratchDirectory.h"
#include "platform/FileDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

/// Runs `use` on the file dialog once it is the modal window on top.
void OnceFileDialogShows(std::function<void(QFileDialog&)> use) {
    QTimer::singleShot(10, [use = std::move(use)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            OnceFileDialogShows(use);
            return;
        }
        use(*dialog);
    });
}

} // namespace

TEST(QtFileDialog, opens_titled_in_the_folder_asked_and_the_name_follows_the_type_picked) {
    platform::BackendScope const backend{BackendUnderTest()};
    ScratchDirectory const scratch;
    std::wstring const folder = scratch.Path().wstring();
    std::vector<platform::FileFilter> const filters{{L"Orvane QRF2 (*.qrf2)", L"*.qrf2"},
                                                    {L"ESRI Projection (*.prj)", L"*.prj"},
                                                    {L"ESRI .aux.xml (*.aux.xml)", L"*.aux.xml"}};
    OnceFileDialogShows([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Load Coordinate System");
        EXPECT_EQ(dialog.directory().absolutePath(), QString::fromStdWString(folder));
        dialog.reject();
    });
    EXPECT_FALSE(platform::ChooseFile({false, L"Load Coordinate System", folder, L"", filters}));

    OnceFileDialogShows([](QFileDialog& dialog) {
        // The user steps through the type list with the keyboard.
        auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        types->setFocus();
        QTest::keyClick(types, Qt::Key_Down);
        QTest::keyClick(types, Qt::Key_Down);
        QTest::keyClick(types, Qt::Key_Up);
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        QTest::keyClick(name, Qt::Key_Return);
    });
    auto const chosen =
        platform::ChooseFile({true, L"Save Coordinate System", folder, L"Site.qrf2", filters});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, (scratch / "Site.prj").wstring());
    EXPECT_EQ(chosen->filterIndex, 1);
}
