#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// Reads DOS text lines through one buffer: a carriage return ends a line and
// a line feed right after it is skipped; a line feed anywhere else stays in
// the line; Ctrl-Z ends the file.
class LineReader {
public:
    explicit LineReader(std::FILE* file, std::size_t bufferSize = 256 * 1024);

    // The next line, valid until the following call; false at the end or on
    // a read error.
    bool next(std::string_view& line);
    bool failed() const noexcept { return m_failed; }

private:
    bool fill();

    std::FILE* m_file;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::string m_carry;
    bool m_skipLineFeed = false;
    bool m_endOfFile = false;
    bool m_failed = false;
};

} // namespace zelt
