#include "list/topic_reader.h"

#include "list/file_entry.h"

#include <algorithm>

namespace zelt {

namespace {

// The most bytes the computed positions can count beyond the file: the line
// end of a last line that has none.
constexpr std::int64_t MissingLineEndBytes = 2;

std::optional<std::int64_t> FileSize(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return std::nullopt;
    const long size = std::ftell(file);
    if (size < 0)
        return std::nullopt;
    return size;
}

} // namespace

std::optional<TopicReader> TopicReader::Open(const std::string& listFileName,
                                             const FileSystem& files)
{
    std::error_code error;
    FileHandle file = files.openRead(PathFromBytes(listFileName), error);
    if (file == nullptr)
        return std::nullopt;
    // Every read goes to the file: bytes kept from an earlier read would hide
    // a file that was cut short while open.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    return TopicReader(std::move(file), files);
}

std::optional<std::string> TopicReader::read(std::int32_t start, std::int32_t length)
{
    if (start < 0 || length < 0)
        return std::nullopt;
    std::FILE* file = m_file.get();
    std::clearerr(file);
    const auto size = FileSize(file);
    // A topic that ends in the line end counted for a last line without one
    // is whole; one that ends further out lost its end, as in a file cut
    // short while open, and a cut text would pass for the topic.
    if (!size || std::int64_t{start} + length - *size > MissingLineEndBytes)
        return std::nullopt;
    const auto available = std::max<std::int64_t>(0, *size - start);
    std::string bytes(static_cast<std::size_t>(std::min<std::int64_t>(length, available)), '\0');
    if (bytes.empty())
        return bytes;
    if (std::fseek(file, start, SEEK_SET) != 0)
        return std::nullopt;
    std::error_code error;
    const std::size_t got = m_files->read(file, bytes.data(), bytes.size(), error);
    if (error)
        return std::nullopt;
    bytes.resize(got);
    return bytes;
}

} // namespace zelt
