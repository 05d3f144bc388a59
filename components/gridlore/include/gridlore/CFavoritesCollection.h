// Gridlore::CFavoritesCollection: the user's favourite systems, one per process.
#pragma once

#include "gridlore/CoordinateSystemCollection.h"

namespace Gridlore {

/// Reached through shr::Singleton<CFavoritesCollection>::Instance().
class CFavoritesCollection : public CoordinateSystemCollection {};

} // namespace Gridlore
