#pragma once

#include "base/file_io.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace zelt {

// The open list file from which topic texts are read on demand, held open
// with other writers denied while the list is open.
class TopicReader {
public:
    // The file system outlives the reader.
    static std::optional<TopicReader> Open(const std::string& listFileName,
                                           const FileSystem& files = RealFileSystem());

    // The bytes of a topic, read with one seek and one read. A scan counts a
    // last line without its line end as if it ended in CR LF, so positions
    // run up to 2 bytes past the end of the file: a topic that ends there is
    // whole and gives the bytes that exist. A read error, or a topic that ends
    // further out (the file was cut short while open), gives nothing.
    std::optional<std::string> read(std::int32_t start, std::int32_t length);

    // The file read from, whatever name it has now.
    std::optional<FileIdentity> identity() const { return IdentityOf(m_file.get()); }

private:
    TopicReader(FileHandle file, const FileSystem& files)
        : m_file(std::move(file))
        , m_files(&files)
    {}

    FileHandle m_file;
    const FileSystem* m_files;
};

} // namespace zelt
