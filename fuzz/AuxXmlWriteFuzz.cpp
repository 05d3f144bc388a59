// Writing a system into an existing side-car: only the model's errors escape, the SRS
// written reads back, a second write changes nothing, and the file grows in proportion
// to what it held.
#include "AuxXmlSrs.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    // Characters that XML must escape, so that escaping is exercised on every write.
    static std::string const srs = "GEOGCS[\"WGS 84 <&> \\\"x\\\"\",DATUM[\"WGS_1984\"]]";
    std::string_view const existing = fuzzsupport::Bytes(data, size);
    fuzzsupport::ExpectOnlyModelErrors([&] {
        std::string const written = korfile::WriteAuxXmlSrs(existing, srs, "ortho.tif.aux.xml");
        if (korfile::ReadAuxXmlSrs(written, "ortho.tif.aux.xml") != srs)
            fuzzsupport::Fail("the SRS written does not read back");
        if (korfile::WriteAuxXmlSrs(written, srs, "ortho.tif.aux.xml") != written)
            fuzzsupport::Fail("writing the same SRS again changed the side-car");
        // Escaping a control character takes up to five bytes for one; nothing may grow
        // faster than that.
        if (written.size() > 5 * existing.size() + 2 * srs.size() + 64)
            fuzzsupport::Fail(
                "the side-car grew out of proportion: " + std::to_string(existing.size()) + " -> " +
                std::to_string(written.size()) + " bytes");
    });
    return 0;
}
