#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedToolBar.h"

namespace platform::qt {

class QtToolBar final : public backend::ModelBackedToolBar<QtWindow<backend::NativeToolBar>> {
public:
    QtToolBar(QtDialog* parent, ControlId id);

    Size FixedSize() const override;
};

} // namespace platform::qt
