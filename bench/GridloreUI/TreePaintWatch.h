// browserbench::TreePaintWatch: on real windows, a result is shown once the tree is painted.
#pragma once

#include "ShownWatch.h"

#include <wx/eventfilter.h>
#include <wx/object.h>

#include <chrono>
#include <optional>

namespace browserbench {

/// The toolkit paints in its next frame, after the action's own idle work, so a clock
/// stopped when the loop is idle would miss the painting, or catch it only sometimes.
class TreePaintWatch final : public ShownWatch, private wxEventFilter {
public:
    /// Which windows' paints show a result.
    using Watched = bool (*)(wxObject const* window);
    /// Watches the browser's tree.
    static bool IsTree(wxObject const* window);
    /// Watches the area-of-use map: the only panel that paints all of itself.
    static bool IsDrawingSurface(wxObject const* window);

    explicit TreePaintWatch(Watched watched = IsTree);
    ~TreePaintWatch() override;
    TreePaintWatch(TreePaintWatch const&) = delete;
    TreePaintWatch& operator=(TreePaintWatch const&) = delete;

    void Arm() override;
    void Wait() override;
    void Pause() override;
    /// Waits for the toolkit's own timer.
    std::chrono::steady_clock::time_point EndTypingPause(platform::User& user) override;
    /// Runs the loop until the report has run.
    void WaitForReport() override;

    /// How many waits ended without a painting of the tree.
    int Missed() const { return m_missed; }

private:
    int FilterEvent(wxEvent& event) override;

    Watched m_watched;
    bool m_painted = false;
    /// Between the typing and the end of the pause after it.
    bool m_pauseRunning = false;
    std::optional<std::chrono::steady_clock::time_point> m_expired;
    int m_missed = 0;
    /// While a paint is handed to its window by this filter, which sees it again.
    bool m_deliveringPaint = false;
};

} // namespace browserbench
