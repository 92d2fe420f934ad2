#include "list/line_reader.h"

#include <cstring>

namespace zelt {

namespace {
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char CtrlZ = 26;
} // namespace

LineReader::LineReader(std::FILE* file, std::size_t bufferSize)
    : m_file(file)
    , m_buffer(bufferSize)
{}

bool LineReader::fill()
{
    if (m_endOfFile)
        return false;
    const std::size_t got = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (got < m_buffer.size()) {
        m_endOfFile = true;
        if (std::ferror(m_file)) {
            m_failed = true;
            return false;
        }
    }
    m_begin = 0;
    m_end = got;
    if (const void* eof = std::memchr(m_buffer.data(), CtrlZ, got)) {
        m_end = static_cast<std::size_t>(static_cast<const char*>(eof) - m_buffer.data());
        m_endOfFile = true;
    }
    return true;
}

bool LineReader::nextAcrossBuffers(std::string_view& line)
{
    m_carry.clear();
    bool carrying = false;
    for (;;) {
        if (m_begin == m_end) {
            if (!fill()) {
                if (m_failed || !carrying)
                    return false;
                m_lineEndBytes = 0;
                line = m_carry;
                return true;
            }
            continue;
        }
        const char* begin = m_buffer.data() + m_begin;
        const std::size_t available = m_end - m_begin;
        const auto* cr = static_cast<const char*>(std::memchr(begin, CarriageReturn, available));
        if (cr == nullptr) {
            m_carry.append(begin, available);
            carrying = true;
            m_begin = m_end;
            continue;
        }
        const auto length = static_cast<std::size_t>(cr - begin);
        m_begin += length + 1;
        m_lineEndBytes = 1;
        if (m_begin == m_end) {
            // Whether a line feed follows shows only in the next buffer, which
            // replaces this one: the line moves out of it first.
            m_carry.append(begin, length);
            if (fill() && m_begin < m_end && m_buffer[m_begin] == LineFeed) {
                ++m_begin;
                m_lineEndBytes = 2;
            }
            line = m_carry;
            return true;
        }
        if (m_buffer[m_begin] == LineFeed) {
            ++m_begin;
            m_lineEndBytes = 2;
        }
        if (carrying) {
            m_carry.append(begin, length);
            line = m_carry;
        } else {
            line = std::string_view(begin, length);
        }
        return true;
    }
}

} // namespace zelt
