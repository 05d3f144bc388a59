// Reading one file format, chosen when the target is built: only the model's errors
// escape, and what is accepted saves as QRF2 and reads back equal.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    fuzzsupport::ReadAndCheck(korfile::FUZZ_FILE_TYPE, FUZZ_FILE_NAME,
                              fuzzsupport::Bytes(data, size));
    return 0;
}
