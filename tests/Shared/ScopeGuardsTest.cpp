#include "Shared/RedrawScope.h"
#include "Shared/ResourceHandleScope.h"

#include "../platform/headless/HeadlessTest.h"
#include "CapturedLog.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ScopeGuards : public HeadlessTest {
protected:
    CapturedLog m_log;
};

} // namespace

TEST_F(ScopeGuards, redraw_comes_back_on_however_the_scope_ends) {
    testdialog::TestDialog dialog;
    m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        dialog.tree.SetRedraw(false);
        {
            shared::RedrawScope const scope(&dialog.tree);
            EXPECT_FALSE(dialog.tree.IsRedrawOn());
        }
        EXPECT_TRUE(dialog.tree.IsRedrawOn());
        dialog.tree.SetRedraw(false);
        try {
            shared::RedrawScope const scope(&dialog.tree);
            throw std::runtime_error("rebuild failed");
        } catch (std::runtime_error const&) {
        }
        EXPECT_TRUE(dialog.tree.IsRedrawOn());
        { shared::RedrawScope const nothing(nullptr); }
        user.Close();
    });
    dialog.DoModal();
    EXPECT_TRUE(m_log.lines.empty());
}

TEST_F(ScopeGuards, a_failing_restore_is_logged_once_where_it_was_caught_and_the_result_stands) {
    platform::Window unbound;
    auto const operation = [&] {
        shared::RedrawScope const scope(&unbound);
        return 42;
    };
    EXPECT_EQ(operation(), 42);
    ASSERT_EQ(m_log.lines.size(), 1U);
    EXPECT_NE(
        m_log.lines[0].text.find(L"Shared::Subsystems/Shared/include/Shared/ExecuteNoThrow.h(27)"),
        std::wstring::npos);
}

TEST_F(ScopeGuards, resources_load_from_the_scope_s_module_until_it_ends) {
    platform::ResourceModule host(L"host");
    platform::ResourceModule library(L"library");
    host.AddString(1, L"host text");
    library.AddString(1, L"library text");
    platform::RegisterModule(host);
    platform::RegisterModule(library);
    platform::SetResourceHandle(&host);
    {
        shared::ResourceHandleScope const scope(&library);
        EXPECT_EQ(platform::GetResourceHandle(), &library);
        EXPECT_EQ(platform::LoadString(1), L"library text");
    }
    EXPECT_EQ(platform::GetResourceHandle(), &host);
    EXPECT_EQ(platform::LoadString(1), L"host text");
    EXPECT_TRUE(m_log.lines.empty());

    // The saved module going away meanwhile makes the restore fail: logged, not thrown.
    {
        shared::ResourceHandleScope const scope(&library);
        platform::UnregisterModule(host);
    }
    EXPECT_EQ(m_log.lines.size(), 1U);
    EXPECT_EQ(platform::GetResourceHandle(), &library);
    platform::UnregisterModule(library);
}
