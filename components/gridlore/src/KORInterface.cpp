#include "gridlore/KORInterface.h"

#include "kor/KORDef.h"
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

bool KORInterface::Knows(kor::CSDef const* definition, bool exact) const {
    if (definition == nullptr) {
        return false;
    }
    auto const& known = kor::KORKnownSystemsList;
    int const position = known.FindSystem(definition, true, false);
    if (position < 0 || (exact && definition->GetName() != known.EnumName(position))) {
        return false;
    }
    // Such a definition and the known one are built from the same registry system.
    auto const* referenced = dynamic_cast<kor::KORDef const*>(definition);
    return (referenced != nullptr && referenced->GetRegistryPartsCode() > 0 &&
            referenced->GetRegistryPartsCode() == known.EnumPOSC(position)) ||
           known.Enum(position) != nullptr;
}

kor::CSDef const* KORInterface::at(int position) const {
    return kor::KORKnownSystemsList.Enum(position);
}

} // namespace Gridlore
