#include "QtPropertyGrid.h"

namespace platform::qt {} // namespace platform::qt
