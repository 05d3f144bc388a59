#include "QtToolBar.h"

namespace platform::qt {} // namespace platform::qt
