// A host's own wx window as the parent of a dialog: modal for it, transient for its frame
// and centred on it.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "platform/Dialog.h"
#include "platform/Driver.h"
#include "platform/PropertySheet.h"
#include "platform/wx/HostWindow.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>
#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <cstdlib>

namespace {

/// The modal dialog on top, as the host's user sees it.
wxDialog* ModalDialogShown() {
    for (auto node = wxTopLevelWindows.GetLast(); node != nullptr; node = node->GetPrevious()) {
        auto* dialog = dynamic_cast<wxDialog*>(node->GetData());
        if (dialog != nullptr && dialog->IsModal() && dialog->IsShown()) {
            return dialog;
        }
    }
    return nullptr;
}

wxPoint Centre(wxRect const& rect) {
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

class HostWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // Far from the screen's centre and its corner, so that neither passes for centred.
        m_frame = new wxFrame(nullptr, wxID_ANY, "Host", wxPoint(40, 30), wxSize(900, 700));
        // The panel holds the frame's lower right quarter, so a dialog centred on it is not
        // centred on the frame; a sibling keeps the frame from stretching it over the rest.
        m_panel = new wxPanel(m_frame, wxID_ANY, wxPoint(450, 350), wxSize(450, 350));
        new wxPanel(m_frame, wxID_ANY, wxPoint(0, 0), wxSize(450, 350));
        m_frame->Show();
        // Under a window manager the frame gets its place and size a little after Show.
        wxStopWatch const waited;
        do {
            wxTheApp->Yield();
        } while (m_frame->GetSize().x < 900 && waited.Time() < 2000);
    }
    void TearDown() override { m_frame->Destroy(); }

    platform::BackendScope const m_backend{BackendUnderTest()};
    testdialog::Resources const m_resources;
    platform::Driver m_driver;
    platform::DriverScope const m_driverScope{m_driver};
    wxFrame* m_frame = nullptr;
    wxPanel* m_panel = nullptr;
};

} // namespace

TEST_F(HostWindow,
       a_dialog_or_sheet_on_a_host_window_is_its_child_modal_transient_for_its_frame_and_centred) {
    for (wxWindow* hostWindow :
         {static_cast<wxWindow*>(m_frame), static_cast<wxWindow*>(m_panel)}) {
        SCOPED_TRACE(hostWindow == m_frame ? "on the frame" : "on a panel of the frame");
        platform::wx::HostWindow host(hostWindow);
        EXPECT_EQ(host.GetWindow(), hostWindow);
        int played = 0;
        // A sheet is played with the scene of its first page, so one scene serves both.
        auto const scene = [&](platform::User& user) {
            ++played;
            wxDialog* shown = ModalDialogShown();
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->GetParent(), hostWindow);
#ifdef __WXGTK__
            // Modal and transient for the frame: GTK keeps the frame's input for the dialog.
            EXPECT_TRUE(gtk_window_get_modal(GTK_WINDOW(shown->GetHandle())));
            EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(shown->GetHandle())),
                      GTK_WINDOW(m_frame->GetHandle()));
#endif
            wxRect const dialogRect = shown->GetScreenRect();
            wxRect const hostRect = hostWindow->GetScreenRect();
            wxPoint const dialogCentre = Centre(dialogRect);
            wxPoint const hostCentre = Centre(hostRect);
            EXPECT_LE(std::abs(dialogCentre.x - hostCentre.x), 3)
                << "dialog at " << dialogRect.x << "," << dialogRect.y << " size "
                << dialogRect.width << "x" << dialogRect.height << ", host window at " << hostRect.x
                << "," << hostRect.y << " size " << hostRect.width << "x" << hostRect.height;
            EXPECT_LE(std::abs(dialogCentre.y - hostCentre.y), 3);
            user.Click(platform::IDCANCEL);
        };
        platform::Dialog dialog(testdialog::TemplateId, &host);
        m_driver.OnDialog(testdialog::TemplateId, scene);
        EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);

        platform::PropertySheet sheet(L"Properties", &host);
        platform::PropertyPage page(testdialog::TemplateId);
        sheet.AddPage(page);
        m_driver.OnDialog(testdialog::TemplateId, scene);
        EXPECT_EQ(sheet.DoModal(), platform::IDCANCEL);
        EXPECT_EQ(played, 2);
    }
}
