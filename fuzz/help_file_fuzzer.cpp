// Any bytes as a help file: parsing ends, and a file it accepts keeps within
// the limits, finds every topic by its number and names each number once.
#include "fuzz/fuzz_check.h"
#include "help/help_file.h"

#include <cstdint>
#include <set>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zelt::HelpParse parse = zelt::ParseHelpFile(text);
    if (!parse.file) {
        FUZZ_CHECK(parse.error.line >= 1);
        FUZZ_CHECK(!parse.error.reason.empty());
        return 0;
    }
    FUZZ_CHECK(size <= zelt::HelpFileSizeLimit);
    FUZZ_CHECK(!parse.file->topics().empty());
    std::set<int> contexts;
    for (const zelt::HelpTopic& topic : parse.file->topics()) {
        FUZZ_CHECK(topic.context > 0);
        FUZZ_CHECK(contexts.insert(topic.context).second);
        FUZZ_CHECK(parse.file->find(topic.context) == &topic);
        FUZZ_CHECK(!topic.title.empty());
        FUZZ_CHECK(topic.title.size() <= zelt::HelpLineLengthLimit);
        FUZZ_CHECK(topic.body.size() <= zelt::HelpTopicSizeLimit);
    }
    return 0;
}
