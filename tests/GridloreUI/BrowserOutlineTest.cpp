// The browser's tree over the whole registry, step by step, as every backend shows it: the
// same items, data, expansions and selection on real windows (of the toolkit this
// executable runs, REAL_BACKEND) as in memory, and the same as recorded before the real
// windows made their items only when shown.
#include "BrowserUnderTest.h"

#include "BackendUnderTest.h"
#include "TestArtifacts.h"

#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/SystemList.h"
#include "platform/Dialog.h"
#include "platform/headless/HeadlessBackend.h"
#include "shr/Utf8.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace res = gridui::res;
using platform::TreeCtrl;
using platform::TreeItem;

/// Every item, depth first, with its depth, text, data and whether it is open and
/// selected; then what the selection shows.
std::wstring Outline(platform::User& user) {
    TreeCtrl const& tree = browsertest::Tree(user);
    std::wstring outline;
    std::function<void(TreeItem, int)> const walk = [&](TreeItem first, int depth) {
        for (TreeItem item = first; item; item = tree.GetNextSiblingItem(item)) {
            outline += std::wstring(static_cast<std::size_t>(depth), L' ') +
                       tree.GetItemText(item) + L" #" + std::to_wstring(tree.GetItemData(item)) +
                       (tree.IsExpanded(item) ? L" open" : L"") +
                       (tree.GetSelectedItem() == item ? L" selected" : L"") + L"\n";
            walk(tree.GetChildItem(item), depth + 1);
        }
    };
    walk(tree.GetRootItem(), 0);
    platform::Dialog& dialog = user.GetDialog();
    outline += L"description: " + dialog.GetDlgItemText(res::Description) + L"\n";
    outline += L"OK " +
               std::wstring(dialog.GetDlgItem(platform::IDOK).IsWindowEnabled() ? L"enabled"
                                                                                : L"disabled") +
               L"\n";
    return outline;
}

/// Keeps both outlines of a step beside the other test artifacts, for a diff.
std::string SaveOutlines(std::size_t step, std::wstring const& inMemory,
                         std::wstring const& onScreen) {
    std::string const onScreenName = REAL_BACKEND;
    std::filesystem::path const base =
        ArtifactFolder() / ("outline-" + onScreenName + "-" + std::to_string(step));
    for (auto const& [suffix, outline] : {std::pair{std::string("-headless"), &inMemory},
                                          std::pair{"-" + onScreenName, &onScreen}}) {
        std::ofstream(base.string() + suffix + ".txt", std::ios::binary) << shr::ToUtf8(*outline);
    }
    return base.string() + "-{headless," + onScreenName + "}.txt";
}

/// 64-bit FNV-1a: outlines of the whole registry are too large to keep as text. An item's
/// data is the browser's own number for its record, which follows the order the items were
/// added in, so it is left out: what each item stands for shows in the description.
std::uint64_t Digest(std::wstring const& outline) {
    std::uint64_t hash = 14695981039346656037ULL;
    bool inData = false;
    for (std::size_t at = 0; at < outline.size(); ++at) {
        wchar_t const ch = outline[at];
        if (ch == L'#' && at > 0 && outline[at - 1] == L' ') {
            inData = true;
        } else if (inData && (ch < L'0' || ch > L'9')) {
            inData = false;
        }
        if (!inData) {
            hash = (hash ^ static_cast<std::uint64_t>(ch)) * 1099511628211ULL;
        }
    }
    return hash;
}

/// Opens the browser on EPSG:4326 on `backend` and records the outline after each step
/// a user takes: searches, a clear, a selection deep in a closed folder and an opened
/// folder.
std::vector<std::wstring> Steps(platform::Backend& backend, std::wstring const& favoritesPath,
                                std::shared_ptr<shr::IError> const& sink) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    std::vector<std::wstring> outlines;
    gridui::CRSDialog dialog(browsertest::Registry(L"EPSG:4326"), favoritesPath, sink, nullptr, {});
    driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        outlines.push_back(Outline(user));
        for (wchar_t const* search : {L"4326", L"UTM zone 33", L"WGS 84", L"France"}) {
            browsertest::Search(user, search);
            outlines.push_back(Outline(user));
        }
        user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
        outlines.push_back(Outline(user));
        TreeCtrl& tree = browsertest::Tree(user);
        TreeItem const predefined = browsertest::FindRoot(tree, L"Predefined");
        TreeItem const zone = browsertest::FindBelow(tree, predefined, L"WGS 84 / UTM zone 33N");
        EXPECT_TRUE(zone);
        user.Select(res::Tree, zone);
        outlines.push_back(Outline(user));
        TreeItem const folder = tree.GetChildItem(predefined);
        tree.Expand(folder);
        tree.Expand(tree.GetChildItem(folder));
        outlines.push_back(Outline(user));
        user.Close();
    });
    dialog.DoModal();
    return outlines;
}

// Named after the backend (OUTLINE_SUITE), so each toolkit's run has a test name of its own.
using OUTLINE_SUITE = browsertest::BrowserUnderTest;

TEST_F(OUTLINE_SUITE, real_windows_show_the_same_tree_as_memory_and_as_recorded_before) {
    platform::headless::HeadlessBackend headless;
    std::vector<std::wstring> const inMemory = Steps(headless, m_favoritesPath, m_sink);
    std::vector<std::wstring> const onScreen = Steps(BackendUnderTest(), m_favoritesPath, m_sink);
    ASSERT_EQ(inMemory.size(), onScreen.size());
    std::vector<std::uint64_t> digests;
    for (std::size_t step = 0; step < inMemory.size(); ++step) {
        if (inMemory[step] != onScreen[step]) {
            ADD_FAILURE() << "the backends differ at step " << step << ": see "
                          << SaveOutlines(step, inMemory[step], onScreen[step]);
        }
        digests.push_back(Digest(onScreen[step]));
    }
    // Recorded on the registry of this many systems, each listed once; another registry
    // lists other systems.
    constexpr int RecordedOn = 5671;
    std::vector<std::uint64_t> const recorded{
        0x7ea9425bbbfbd904ULL, 0x749b9e20253e1abcULL, 0xa617a369479928bcULL, 0x179bc9c49d3afbf5ULL,
        0xd32bd57e3f5d881cULL, 0x7ea9425bbbfbd904ULL, 0x968af42eca69affbULL, 0x7928249ee8b24623ULL};
    if (kor::KORKnownSystemsList.Count() != RecordedOn) {
        GTEST_SKIP() << "the outlines were recorded on another registry";
    }
    EXPECT_EQ(digests, recorded);
}

} // namespace
