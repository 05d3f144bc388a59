#include "CommandInput.h"

#include "kor/KORException.h"
#include "korfile/ReadDefinition.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

namespace crstool {

std::string Echo(std::string const& argument) {
    return shr::ToUtf8(shr::Abbreviated(shr::FromUtf8(argument)));
}

std::unique_ptr<kor::CSDef> LoadDefinition(std::string const& input) {
    try {
        return korfile::ReadDefinition(input);
    } catch (kor::KORException const& error) {
        throw BadInput{shr::ToUtf8(error.Message())};
    }
}

} // namespace crstool
