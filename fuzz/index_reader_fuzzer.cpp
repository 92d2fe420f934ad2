// Any bytes as an index file: reading ends, the fit check ends for lists of
// any size, and what was read is written and read back the same.
#include "fuzz/fuzz_check.h"
#include "list/index_file.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zelt::LoadedList list;
    if (!zelt::ParseIndex(bytes, list)) {
        FUZZ_CHECK(list.topicCount() == 0);
        return 0;
    }
    const zelt::TopicTable& topics = list.topics();
    FUZZ_CHECK(topics.size() >= 1);
    // Lists around where the topics end, and one of no size at all.
    const std::int64_t end =
        std::int64_t{topics.start(topics.size() - 1)} + topics.length(topics.size() - 1);
    for (const std::int64_t listSize : {std::int64_t{0}, end - 2, end, end + 2, end + 3}) {
        zelt::FileEntry entry;
        entry.size = static_cast<std::uint64_t>(std::max<std::int64_t>(listSize, 0));
        zelt::IndexFitsList(topics, entry, "INTERRUP.LST",
                            [](std::int64_t offset) { return offset % 7 == 0; });
    }

    FUZZ_CHECK(zelt::IndexCanHold(topics));
    const std::string written = zelt::FormatIndexFile(topics);
    zelt::LoadedList again;
    FUZZ_CHECK(zelt::ParseIndex(written, again));
    FUZZ_CHECK(zelt::FormatIndexFile(again.topics()) == written);
    return 0;
}
