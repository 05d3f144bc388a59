// A host's own Qt widget as the parent of a dialog: modal, transient for its window and
// centred on the widget.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/PropertySheet.h"
#include "platform/qt/HostWindow.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(QtHostWindow,
     a_dialog_or_sheet_on_a_host_widget_is_modal_transient_for_its_window_and_centred) {
    platform::BackendScope const backend{BackendUnderTest()};
    testdialog::Resources const resources;
    platform::Driver driver;
    platform::DriverScope const driverScope{driver};
    // Far from the screen's centre; the panel holds the window's lower right quarter, so a
    // dialog centred on it is not centred on the window.
    QWidget window;
    window.setGeometry(40, 30, 900, 700);
    auto* panel = new QWidget(&window);
    panel->setGeometry(450, 350, 450, 350);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    for (QWidget* hostWidget : {&window, panel}) {
        SCOPED_TRACE(hostWidget == &window ? "on the window" : "on a panel of the window");
        platform::qt::HostWindow host(hostWidget);
        EXPECT_EQ(host.GetWindow(), hostWidget);
        int played = 0;
        // A sheet is played with the scene of its first page, so one scene serves both.
        auto const scene = [&](platform::User& user) {
            ++played;
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->parentWidget(), hostWidget);
            EXPECT_TRUE(shown->isModal());
            ASSERT_NE(shown->windowHandle(), nullptr);
            EXPECT_EQ(shown->windowHandle()->transientParent(), window.windowHandle());
            QPoint const dialogCentre = shown->frameGeometry().center();
            QPoint const hostCentre = hostWidget->mapToGlobal(hostWidget->rect().center());
            EXPECT_LE(std::abs(dialogCentre.x() - hostCentre.x()), 3)
                << "dialog centred at " << dialogCentre.x() << ", host at " << hostCentre.x();
            EXPECT_LE(std::abs(dialogCentre.y() - hostCentre.y()), 3)
                << "dialog centred at " << dialogCentre.y() << ", host at " << hostCentre.y();
            user.Click(platform::IDCANCEL);
        };
        platform::Dialog dialog(testdialog::TemplateId, &host);
        driver.OnDialog(testdialog::TemplateId, scene);
        EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);

        platform::PropertySheet sheet(L"Properties", &host);
        platform::PropertyPage page(testdialog::TemplateId);
        sheet.AddPage(page);
        driver.OnDialog(testdialog::TemplateId, scene);
        EXPECT_EQ(sheet.DoModal(), platform::IDCANCEL);
        EXPECT_EQ(played, 2);
    }
}
