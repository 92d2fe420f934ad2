// Any bytes as a settings file: reading ends, every key and value read is
// found again, and a file written from it reads back to the same file.
#include "fuzz/fuzz_check.h"
#include "settings/reg_file_format.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto document = zelt::ParseRegFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!document)
        return 0;
    for (const zelt::RegKey& key : document->keys()) {
        zelt::RegKey* found = document->findKey(key.path());
        FUZZ_CHECK(found == &key);
        for (const zelt::RegEntry& entry : key.entries()) {
            if (entry.isValue)
                FUZZ_CHECK(found->findValue(entry.name) == &entry);
        }
    }
    const std::string written = zelt::FormatRegFile(*document);
    const auto again = zelt::ParseRegFile(written);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(zelt::FormatRegFile(*again) == written);
    return 0;
}
