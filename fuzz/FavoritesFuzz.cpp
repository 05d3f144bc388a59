// Reading the favourites file: only the model's errors escape, and a collection that is
// read saves and reads back system for system.
#include "FuzzSupport.h"

#include "korfile/ReferenceFile.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::filesystem::path const path =
        fuzzsupport::ScratchFile("favorites.qrf2", fuzzsupport::Bytes(data, size));
    fuzzsupport::ExpectOnlyModelErrors([&] {
        auto const read = korfile::ReadCollectionFile(path);
        std::vector<kor::CSDef const*> definitions;
        for (auto const& definition : read)
            definitions.push_back(definition.get());
        std::filesystem::path const saved = fuzzsupport::ScratchFile("saved-favorites.qrf2", "");
        korfile::WriteCollectionFile(definitions, saved, {});
        auto const back = korfile::ReadCollectionFile(saved);
        if (back.size() != read.size())
            fuzzsupport::Fail("the favourites did not read back whole");
        for (std::size_t i = 0; i < read.size(); ++i) {
            std::wstring difference;
            if (!back[i]->Compare(*read[i], false, &difference))
                fuzzsupport::Fail("a favourite did not read back equal");
        }
    });
    return 0;
}
