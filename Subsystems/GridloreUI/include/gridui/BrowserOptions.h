// gridui::BrowserOptions: what a host may change in how the browser behaves.
#pragma once

#include "gridui/Export.h"

#include <cstdint>

namespace gridui {

/// Each member's default is the browser's classic behaviour; a host turns on what its
/// users expect. Set on CRSDialog or CRSPage before DoModal.
struct GRIDUI_EXPORT BrowserOptions {
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
    /// A latitude and longitude typed into the search box ("52.52 13.40", "52°31'N
    /// 13°24'E") finds the systems whose area of use holds that point, most local first;
    /// two numbers that cannot be a place say so in the status line.
    bool placeSearch = false;
    /// With an area of interest set by the host, the toolbar offers "Only systems for this
    /// area" (pressed at the start): the predefined systems are then only those whose area
    /// of use holds the whole area.
    bool areaOfInterest = false;

    /// A search also finds words in any order and spelling ("utm33", "WGS-84"), the
    /// registry's aliases, other authorities' codes ("ESRI:102100") and areas of use, and
    /// the description says when a system matched by an alias or its area of use.
    bool forgivingSearch = false;
    /// A search's ten best results are listed, best first, in a group "Best matches" at
    /// the top of the tree (each stays in its folder too).
    bool bestMatchesGroup = false;
    /// A search selects its best result, scrolled into view, so that Enter then OK picks
    /// it; the current system stays selected when it is among the results.
    bool selectBestMatch = false;
    /// Typing in the search box searches once the keys pause for about 200 ms (each key
    /// starts the pause again), so the tree follows the text; Enter, the Search button and
    /// a pick from the history still search at once. The keys on the way are not kept in
    /// the search history; the text last searched is, when the browser closes with it.
    bool searchAsYouType = false;
    /// A search that shows nothing puts one line in the tree's place, saying so and what to
    /// try, instead of leaving the tree empty.
    bool explainEmptySearch = false;
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
        options.forgivingSearch = true;
        options.bestMatchesGroup = true;
        options.selectBestMatch = true;
        options.placeSearch = true;
        options.areaOfInterest = true;
        options.searchAsYouType = true;
        options.explainEmptySearch = true;
        options.showAreaMap = true;
        return options;
    }
};

} // namespace gridui
