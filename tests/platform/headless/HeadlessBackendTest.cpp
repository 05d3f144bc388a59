#include "../TestDialog.h"
#include "HeadlessTest.h"

#include "platform/Driver.h"
#include "platform/MessageBox.h"
#include "platform/PopupMenu.h"
#include "platform/WaitCursor.h"
#include "platform/headless/HeadlessBackend.h"
#include "shr/Exception.h"

#include <gtest/gtest.h>

using platform::User;

namespace {

class Headless : public HeadlessTest {};

/// Runs `action` and returns the message of the shr::Exception it throws ("" if none).
template <typename Action> std::wstring ErrorOf(Action action) {
    try {
        action();
    } catch (shr::Exception const& error) {
        return error.message;
    }
    return {};
}

bool Mentions(std::wstring const& text, std::wstring const& part) {
    return text.find(part) != std::wstring::npos;
}

} // namespace

TEST_F(Headless, misuse_of_dialogs_and_templates_raises_errors_that_say_what_was_wrong) {
    EXPECT_TRUE(Mentions(ErrorOf([] { platform::FindDialogTemplate(4711); }),
                         L"no registered module holds the dialog template 4711"));

    testdialog::TestDialog dialog;
    EXPECT_TRUE(Mentions(ErrorOf([&] { dialog.DoModal(); }), L"no scene for a dialog next"));
    EXPECT_FALSE(dialog.HasWindow());

    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        EXPECT_TRUE(
            Mentions(ErrorOf([&] { dialog.GetDlgItem(4242); }), L"dialog 900 has no control 4242"));
        dialog.GetDlgItem(platform::IDOK).EnableWindow(false);
        EXPECT_TRUE(
            Mentions(ErrorOf([&] { user.Click(platform::IDOK); }), L"which is disabled or hidden"));
        EXPECT_TRUE(Mentions(ErrorOf([&] { user.Type(testdialog::Description, L"x"); }),
                             L"not an edit the user can type in"));
    });
    EXPECT_TRUE(Mentions(ErrorOf([&] { dialog.DoModal(); }), L"ended with the dialog still open"));
    EXPECT_FALSE(dialog.tree.HasWindow());
    EXPECT_TRUE(Mentions(ErrorOf([&] { dialog.tree.GetCount(); }), L"has not been created"));
}

TEST_F(Headless, nested_dialogs_and_boxes_are_answered_in_order_and_recorded) {
    testdialog::TestDialog outer;
    int innerResult = 0;
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        testdialog::TestDialog inner;
        innerResult = inner.DoModal();
        EXPECT_EQ(platform::MessageBox(&outer, L"Replace it?", L"Save", platform::MB_YESNO),
                  platform::IDNO);
        EXPECT_EQ(platform::MessageBox(nullptr, L"Saved.", L"", platform::MB_ICONEXCLAMATION),
                  platform::IDOK);
        user.Click(platform::IDOK);
    });
    m_driver.OnDialog(testdialog::TemplateId, [](User& user) { user.Close(); });
    m_driver.AnswerMessageBox(platform::IDNO);
    EXPECT_EQ(outer.DoModal(), platform::IDOK);
    EXPECT_EQ(innerResult, platform::IDCANCEL);
    ASSERT_EQ(m_driver.MessageBoxes().size(), 2U);
    EXPECT_EQ(m_driver.MessageBoxes()[0].text, L"Replace it?");
    EXPECT_EQ(m_driver.MessageBoxes()[0].answer, platform::IDNO);
    EXPECT_EQ(m_driver.MessageBoxes()[1].style, platform::MB_ICONEXCLAMATION);
    EXPECT_EQ(m_driver.Pending(), 0U);
}

TEST_F(Headless, wait_cursors_nest_and_end_with_failing_work_and_dialog_units_are_fixed) {
    auto const failing = [](platform::headless::HeadlessBackend const& backend) {
        platform::WaitCursor const outer;
        platform::WaitCursor const inner;
        EXPECT_EQ(backend.WaitCursorDepth(), 2);
        throw std::runtime_error("rebuild failed");
    };
    EXPECT_THROW(failing(m_backend), std::runtime_error);
    EXPECT_EQ(m_backend.WaitCursorDepth(), 0);
    EXPECT_EQ(m_backend.WaitCursorsShown(), 2);
    EXPECT_TRUE(Mentions(ErrorOf([&] { m_backend.EndWaitCursor(); }), L"never began"));

    testdialog::TestDialog dialog;
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        // 4 horizontal units are 6 pixels, 8 vertical units 13 pixels, rounded.
        EXPECT_EQ(dialog.MapDialogRect({4, 8, 333, 309}), (platform::Rect{6, 13, 500, 502}));
        EXPECT_EQ(dialog.GetClientRect(), (platform::Rect{0, 0, 443, 333}));
        platform::Rect const ok =
            dialog.ScreenToClient(dialog.GetDlgItem(platform::IDOK).GetWindowRect());
        EXPECT_EQ(ok, (platform::Rect{275, 304, 350, 327}));
        EXPECT_FALSE(dialog.GetDlgItem(testdialog::GridPlaceholder).IsWindowVisible());
        user.Close();
    });
    dialog.DoModal();
}

TEST_F(Headless, the_driver_refuses_answers_a_user_could_not_give) {
    testdialog::TestDialog dialog;
    m_driver.OnDialog(4711, [](User&) {});
    EXPECT_TRUE(Mentions(ErrorOf([&] { dialog.DoModal(); }), L"expected dialog 4711"));

    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        // What a popup of the menu answers when the driver picks the queued item.
        auto const track = [&](int popup) {
            return ErrorOf([&] {
                platform::PopupMenu::Track(testdialog::MenuId, popup, dialog, dialog, {0, 0});
            });
        };
        m_driver.ChooseMenuItem(testdialog::CommandB);
        EXPECT_TRUE(Mentions(track(0), L"disabled menu item 1102"));
        m_driver.ChooseMenuItem(9999);
        EXPECT_TRUE(Mentions(track(0), L"does not hold"));
        EXPECT_TRUE(Mentions(track(1), L"menu 901 has no popup 1"));
        // Nothing queued: the menu closes without a choice and a question gets "yes".
        EXPECT_EQ(platform::PopupMenu::Track(testdialog::MenuId, 0, dialog, dialog, {0, 0}), 0);
        EXPECT_EQ(platform::MessageBox(nullptr, L"Keep?", L"", platform::MB_YESNO),
                  platform::IDYES);
        EXPECT_TRUE(Mentions(ErrorOf([] { platform::ChooseFile({}); }), L"no answer for one next"));
        m_driver.ChooseFile(L"/x", 3);
        EXPECT_TRUE(Mentions(ErrorOf([] { platform::ChooseFile({}); }),
                             L"chose filter 3 of a file dialog with 0"));
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}
