#include "TreePaintWatch.h"

#include <wx/evtloop.h>
#include <wx/panel.h>
#include <wx/timer.h>
#include <wx/treectrl.h>
#include <wx/window.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace browserbench {

namespace {

using Clock = std::chrono::steady_clock;

/// Runs the active loop until `done` holds or `limit` has passed; true when `done` holds.
/// Between two dialogs no loop runs and nothing is painted: the time only passes.
template <typename Done> bool RunLoopUntil(Done const& done, std::chrono::milliseconds limit) {
    auto const deadline = Clock::now() + limit;
    while (!done()) {
        auto const left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
            loop->DispatchTimeout(static_cast<unsigned long>(left.count()));
        } else {
            std::this_thread::sleep_for(left);
        }
    }
    return true;
}

} // namespace

bool TreePaintWatch::IsTree(wxObject const* window) {
    return dynamic_cast<wxTreeCtrl const*>(window) != nullptr;
}

bool TreePaintWatch::IsDrawingSurface(wxObject const* window) {
    auto const* panel = dynamic_cast<wxPanel const*>(window);
    return panel != nullptr && panel->GetBackgroundStyle() == wxBG_STYLE_PAINT;
}

TreePaintWatch::TreePaintWatch(Watched watched)
    : m_watched(watched) {
    wxEvtHandler::AddFilter(this);
}

TreePaintWatch::~TreePaintWatch() {
    wxEvtHandler::RemoveFilter(this);
}

void TreePaintWatch::Arm() {
    m_painted = false;
}

void TreePaintWatch::Wait() {
    // Far longer than a frame: a tree the action did not change is never repainted.
    if (!RunLoopUntil([this] { return m_painted; }, std::chrono::milliseconds(250))) {
        ++m_missed;
    }
}

void TreePaintWatch::Pause() {
    // GTK keeps the beat of its last frame for a few frames: an action 40 ms after a
    // paint waited for the next beat, up to a frame longer, in about half the runs, on
    // the toolkit alone as much as on the browser. A user's next key comes later still.
    RunLoopUntil([] { return false; }, std::chrono::milliseconds(250));
}

std::chrono::steady_clock::time_point TreePaintWatch::EndTypingPause(platform::User& user) {
    m_expired.reset();
    m_pauseRunning = true;
    // The search runs inside the timer's event, so the loop returns with it done.
    if (!RunLoopUntil([this] { return m_expired.has_value(); }, std::chrono::seconds(2))) {
        throw std::runtime_error("the pause after typing never ran out");
    }
    user.Idle();
    return *m_expired;
}

void TreePaintWatch::WaitForReport() {
    // Long enough for a cold start on a loaded machine.
    if (!RunLoopUntil([this] { return !IsReportDue(); }, std::chrono::seconds(10))) {
        throw std::runtime_error("the watched window was never painted");
    }
}

int TreePaintWatch::FilterEvent(wxEvent& event) {
    if (event.GetEventType() == wxEVT_PAINT && IsReportDue() && !m_deliveringPaint &&
        m_watched(event.GetEventObject())) {
        // The report comes after the window's own painting, which is part of the wait.
        m_deliveringPaint = true;
        bool const handled =
            static_cast<wxWindow*>(event.GetEventObject())->GetEventHandler()->ProcessEvent(event);
        m_deliveringPaint = false;
        m_painted = true;
        RunReport();
        return handled ? Event_Processed : Event_Ignore;
    }
    // The browser's pause is the only timer that runs out while this waits: the one after
    // opening is long over by the time a benchmark types.
    if (event.GetEventType() == wxEVT_TIMER && m_pauseRunning) {
        m_expired = Clock::now();
        m_pauseRunning = false;
    }
    // Until the pause is over, a paint shows the typing (the tree losing the focus to the
    // box), never the search's results.
    if (event.GetEventType() == wxEVT_PAINT && !m_pauseRunning &&
        m_watched(event.GetEventObject())) {
        m_painted = true;
    }
    return Event_Skip;
}

} // namespace browserbench
