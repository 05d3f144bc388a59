#pragma once

#include "HeadlessTree.h"
#include "HeadlessWindow.h"
#include "platform/TimerSchedule.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::headless {

class HeadlessSheet;

class HeadlessDialog final : public HeadlessWindow<backend::NativeDialog> {
public:
    /// A page of `sheet` when one is given, else a dialog of its own.
    HeadlessDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
                   backend::NativeWindow* owner, HeadlessSheet* sheet = nullptr);
    ~HeadlessDialog() override;

    backend::NativeWindow* Parent() const override { return m_owner; }
    Rect GetWindowRect() const override;
    backend::NativeWindow* FindChild(ControlId id) const override;
    int RunModal() override;
    void End(int result) override;
    void Post(Message const& message) override { m_posted.push_back(message); }
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    backend::NativePropertyGrid& CreatePropertyGrid(ControlId id, Rect client) override;
    backend::NativeToolBar& CreateToolBar(ControlId id) override;
    bool SaveScreenshot(std::string const&) override { return false; }
    void StartTimer(ControlId id, std::chrono::milliseconds delay) override {
        m_timers.Start(id, delay);
    }
    void StopTimer(ControlId id) override { m_timers.Stop(id); }
    bool ExpireNextTimer() override;

    backend::DialogEvents& Events() { return m_events; }
    bool HasEnded() const override;
    HeadlessSheet* Sheet() const { return m_sheet; }
    ControlId Focus() const { return m_focus; }
    void SetFocusTo(ControlId id) { m_focus = id; }
    void DeliverPosted();
    std::vector<HeadlessTree*> Trees() const;

    /// Where the dialog's client area sits on the screen.
    static constexpr Point ClientOrigin{100, 100};

private:
    template <typename T> T& AddChild(ControlTemplate const& control);
    backend::NativeWindow& AddControl(ControlTemplate const& control);

    backend::DialogEvents& m_events;
    backend::NativeWindow* m_owner;
    HeadlessSheet* m_sheet;
    std::map<ControlId, std::unique_ptr<backend::NativeWindow>> m_children;
    std::deque<Message> m_posted;
    bool m_ended = false;
    int m_result = 0;
    bool m_resizable = false;
    Size m_minimum;
    ControlId m_focus = 0;
    /// Nothing waits here: a timer runs out only when the driver lets it.
    backend::TimerSchedule m_timers;
};

} // namespace platform::headless
