// gridui::BrowserOptions: what a host may change in how the browser behaves.
#pragma once

#include <cstdint>

namespace gridui {

/// Each member's default is the browser's classic behaviour; a host turns on what its
/// users expect. Set on CRSDialog or CRSPage before DoModal.
struct BrowserOptions {
    /// After a search that shows at most this many systems, every folder holding one is
    /// open, so that the results are seen at once. 0 opens the folders only for a single
    /// system.
    std::uint32_t openResultsUpTo = 0;
    /// The search history is saved however the browser closes (Cancel, Escape, the close
    /// box), not only on OK.
    bool keepSearchHistoryOnCancel = false;
    /// Add to Favorites on a system that already is a favourite selects that favourite
    /// instead of adding it again; the favourite added or selected, and every item a
    /// command selects, is scrolled into view.
    bool oneFavoritePerSystem = false;
    /// While the current system is not shown in the tree (a search left it out), the
    /// description that still shows it says so in its first line.
    bool markCurrentNotShown = false;
    /// The status line's room stays below the search box whether the line shows or not,
    /// so a search never moves the tree under the pointer; the total counts each system
    /// once, whatever the search (a second pass or a looked-up code adds to the shown
    /// count only).
    bool steadyStatusLine = false;
    /// A small world map below the description shows the selected system's area of use
    /// (with its name, or "No area of use", under it); the dialog grows to hold it.
    bool showAreaMap = false;

    /// Every behaviour above on, results opened up to `openUpTo` systems.
    static BrowserOptions AllOn(std::uint32_t openUpTo) {
        BrowserOptions options;
        options.openResultsUpTo = openUpTo;
        options.keepSearchHistoryOnCancel = true;
        options.oneFavoritePerSystem = true;
        options.markCurrentNotShown = true;
        options.steadyStatusLine = true;
        options.showAreaMap = true;
        return options;
    }
};

} // namespace gridui
