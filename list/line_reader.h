#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// Reads DOS text lines through one buffer: a carriage return ends a line and
// a line feed right after it belongs to the line end; a line feed anywhere
// else stays in the line; Ctrl-Z ends the file.
class LineReader {
public:
    explicit LineReader(std::FILE* file, std::size_t bufferSize = 64 * 1024);

    // The next line, valid until the following call; false at the end or on
    // a read error.
    bool next(std::string_view& line)
    {
        // Most lines end inside the buffer with their line end in it too.
        if (m_begin < m_end) {
            const char* begin = m_buffer.data() + m_begin;
            const char* end = m_buffer.data() + m_end;
            const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', m_end - m_begin));
            if (cr != nullptr && cr + 1 < end) {
                line = std::string_view(begin, static_cast<std::size_t>(cr - begin));
                m_lineEndBytes = cr[1] == '\n' ? 2 : 1;
                m_begin = static_cast<std::size_t>(cr + m_lineEndBytes - m_buffer.data());
                return true;
            }
        }
        return nextAcrossBuffers(line);
    }
    bool failed() const noexcept { return m_failed; }
    // The bytes of the last line's line end in the file: 2 for CR LF, 1 for a
    // lone CR, 0 for a last line that has none (also before Ctrl-Z).
    std::size_t lineEndBytes() const noexcept { return m_lineEndBytes; }

private:
    bool nextAcrossBuffers(std::string_view& line);
    bool fill();

    std::FILE* m_file;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::string m_carry;
    std::size_t m_lineEndBytes = 0;
    bool m_endOfFile = false;
    bool m_failed = false;
};

} // namespace zelt
