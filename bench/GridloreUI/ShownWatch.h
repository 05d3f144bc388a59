// browserbench::ShownWatch: what a measurement waits for after a user's action.
#pragma once

namespace browserbench {

/// Without a screen, the action's own work is all a user waits for: nothing to wait for.
class ShownWatch {
public:
    virtual ~ShownWatch() = default;

    /// Called just before the action.
    virtual void Arm() {}
    /// Returns once the action's result is on the screen.
    virtual void Wait() {}
    /// A user takes far longer than a frame between two actions; without this pause a
    /// timed action would also wait for the frame after the setup's own.
    virtual void Pause() {}
};

} // namespace browserbench
