// A definition typed or pasted as text: only the model's errors escape, and what is read
// saves as QRF2 and reads back equal.
#include "FuzzSupport.h"

#include "kor/Definitions.h"
#include "shr/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::wstring const text = shr::FromUtf8(fuzzsupport::Bytes(data, size));
    fuzzsupport::ExpectOnlyModelErrors([&] {
        if (auto const definition = kor::CreateCSDefByDefinition(text))
            fuzzsupport::CheckSavesAndReadsBack(*definition);
    });
    return 0;
}
