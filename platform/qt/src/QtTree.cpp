#include "QtTree.h"

namespace platform::qt {} // namespace platform::qt
