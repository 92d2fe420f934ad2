#pragma once

#include "list/topic_table.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// Where a numbered table is defined: the topic and the line of its text.
struct TableLocation {
    TopicNumber topic = 0;
    std::size_t line = 0; // 0 = the title line
};

// Every "(Table " + number + ")" of a list file, each number mapped to the
// first topic in list order that holds it, read in one buffered pass over the
// file's bytes.
class TableIndex {
public:
    // Nothing when the file cannot be read.
    static std::optional<TableIndex> Build(const std::filesystem::path& listFile,
                                           const TopicTable& topics);

    // `number` as written after the "#": "01340", "P0123".
    std::optional<TableLocation> find(std::string_view number) const;

    std::size_t size() const noexcept { return m_entries.size(); }

private:
    struct Entry {
        std::uint64_t number; // the five characters, first one highest
        TableLocation location;
    };
    // Sorted by number.
    std::vector<Entry> m_entries;
};

} // namespace zelt
