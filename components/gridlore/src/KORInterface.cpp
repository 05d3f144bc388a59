#include "gridlore/KORInterface.h"

#include "kor/SystemList.h"

namespace Gridlore {

kor::CSDef const* KORInterface::Find(kor::CSDef const* definition, bool exact) const {
    if (definition == nullptr) {
        return nullptr;
    }
    return Find(*definition, exact);
}

kor::CSDef const* KORInterface::Find(kor::CSDef const& definition, bool exact) const {
    int const position = kor::KORKnownSystemsList.FindSystem(&definition, true, false);
    kor::CSDef const* known = kor::KORKnownSystemsList.Enum(position);
    if ((known == nullptr) || (exact && known->GetName() != definition.GetName())) {
        return nullptr;
    }
    return known;
}

kor::CSDef const* KORInterface::at(int position) const {
    return kor::KORKnownSystemsList.Enum(position);
}

} // namespace Gridlore
