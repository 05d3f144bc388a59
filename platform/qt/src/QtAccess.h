#pragma once

class QWidget;

namespace platform::qt {

/// Reaches the Qt widget behind any native window of this backend.
class QtAccess {
public:
    virtual QWidget* Widget() const = 0;

protected:
    ~QtAccess() = default;
};

} // namespace platform::qt
