#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedToolBar.h"

#include <map>

class QAction;
class QToolBar;

namespace platform::qt {

/// The toolbar as the toolkit's own, one action per button.
class QtToolBar final : public backend::ModelBackedToolBar<QtWindow<backend::NativeToolBar>> {
public:
    QtToolBar(QtDialog* parent, ControlId id);

    Size FixedSize() const override;

private:
    QToolBar& Bar() const;
    QAction& Action(ControlId command) const { return *m_actions.at(command); }
    void ShowLoaded(ToolBarTemplate const& bar) override;
    void ShowEnabled(ControlId command, bool on) override;
    void ShowChecked(ControlId command, bool on) override;
    void SendCommand(ControlId command) override;

    std::map<ControlId, QAction*> m_actions;
};

} // namespace platform::qt
