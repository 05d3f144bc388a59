// The settings file: whatever it holds, reading never fails, and what was read writes
// out and reads back the same, with nothing left out the second time.
#include "FuzzSupport.h"

#include "platform/IniFileSettings.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    using platform::IniFileSettings;
    int skipped = 0;
    IniFileSettings::Sections const read =
        IniFileSettings::Parse(fuzzsupport::Bytes(data, size), skipped);
    std::string const written = IniFileSettings::Format(read);
    IniFileSettings::Sections back = IniFileSettings::Parse(written, skipped);
    if (skipped != 0)
        fuzzsupport::Fail("the store could not read back a file it wrote");
    // Sections without entries are not written.
    IniFileSettings::Sections expected = read;
    std::erase_if(expected, [](auto const& section) { return section.second.empty(); });
    if (back != expected)
        fuzzsupport::Fail("the settings did not read back as they were written");
    if (IniFileSettings::Format(back) != written)
        fuzzsupport::Fail("writing the settings again changed the file");
    return 0;
}
