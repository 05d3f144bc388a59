// The collection's Save lives with the file formats it writes.
#include "gridlore/CoordinateSystemCollection.h"

#include "korfile/ReferenceFile.h"
#include "shr/Utf8.h"

namespace Gridlore {

void CoordinateSystemCollection::Save(std::wstring const& path) const {
    korfile::WriteCollectionFile(*this, std::filesystem::path(shr::ToUtf8(path)));
}

} // namespace Gridlore
