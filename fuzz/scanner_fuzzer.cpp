// Any bytes as a list file: the scan ends, its topics fit the list, and the
// index it would write reads back to the same topics.
#include "fuzz/fuzz_check.h"
#include "list/index_file.h"
#include "list/list_loader.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The list file of this process, in a folder removed at exit.
class ListFolder {
public:
    ListFolder()
        : m_folder(fs::temp_directory_path() / ("zelt-fuzz-scanner-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_folder);
    }
    ~ListFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path file() const { return m_folder / "FUZZ.LST"; }

private:
    fs::path m_folder;
};

const fs::path& ListFile()
{
    static const ListFolder folder;
    static const fs::path file = folder.file();
    return file;
}

void ExpectSameTopics(const zelt::TopicTable& a, const zelt::TopicTable& b)
{
    FUZZ_CHECK(a.size() == b.size());
    for (zelt::TopicNumber n = 0; n < a.size(); ++n) {
        FUZZ_CHECK(a.identifier(n) == b.identifier(n));
        FUZZ_CHECK(a.title(n) == b.title(n));
        FUZZ_CHECK(a.category(n) == b.category(n));
        FUZZ_CHECK(a.start(n) == b.start(n));
        FUZZ_CHECK(a.length(n) == b.length(n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(ListFile(), std::ios::binary | std::ios::trunc) << bytes;

    zelt::LoadedList list;
    zelt::LoadRequest request;
    request.listFileName = ListFile().string();
    request.indexMode.loadTopicsDirect = true;
    zelt::LoadObserver quiet;
    FUZZ_CHECK(zelt::LoadListTopics(list, request, quiet).loaded);
    FUZZ_CHECK(list.topicCount() >= 1);

    const auto endOfTextAt = [&bytes](std::int64_t offset) {
        return offset >= 0 && offset < static_cast<std::int64_t>(bytes.size()) &&
               bytes[static_cast<std::size_t>(offset)] == '\x1A';
    };
    FUZZ_CHECK(zelt::IndexFitsList(list.topics(), list.files.listFileEntry, request.listFileName,
                                   endOfTextAt));
    if (zelt::IndexCanHold(list.topics())) {
        zelt::LoadedList read;
        FUZZ_CHECK(zelt::ParseIndex(zelt::FormatIndexFile(list.topics()), read));
        ExpectSameTopics(list.topics(), read.topics());
    }
    return 0;
}
