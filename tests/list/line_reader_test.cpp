#include "list/line_reader.h"
#include "support/temp_dir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace zelt::test {
namespace {

// Each line followed by the bytes of its line end: "ab|2".
std::vector<std::string> ReadLines(std::string_view bytes, std::size_t bufferSize,
                                   bool withLineEnds = false)
{
    TempDir dir;
    const std::string name = dir.write("lines.txt", bytes);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"),
                                                               &std::fclose);
    LineReader reader(file.get(), bufferSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.emplace_back(line);
        if (withLineEnds)
            lines.back() += "|" + std::to_string(reader.lineEndBytes());
    }
    EXPECT_FALSE(reader.failed());
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsAtCarriageReturnsWhateverTheBufferSize)
{
    // Small buffers put line ends, CR LF pairs and Ctrl-Z on every boundary.
    for (const std::size_t size : {1u, 2u, 3u, 5u, 7u, 4096u}) {
        SCOPED_TRACE("buffer " + std::to_string(size));
        EXPECT_EQ(ReadLines("ab\r\ncd\r\n", size), (Lines{"ab", "cd"}));
        EXPECT_EQ(ReadLines("ab\r\ncd", size), (Lines{"ab", "cd"}));
        EXPECT_EQ(ReadLines("ab\r\r\ncd\r", size), (Lines{"ab", "", "cd"}));
        EXPECT_EQ(ReadLines("a\nb\r\n\nc\r\n", size), (Lines{"a\nb", "\nc"}));
        EXPECT_EQ(ReadLines("\r\n\r\n", size), (Lines{"", ""}));
        EXPECT_EQ(ReadLines("ab\r\nc\x1A"
                            "d\r\n",
                            size),
                  (Lines{"ab", "c"}));
        EXPECT_EQ(ReadLines("ab\r\n\x1A", size), (Lines{"ab"}));
        EXPECT_EQ(ReadLines("", size), Lines{});
        EXPECT_EQ(ReadLines("\n", size), Lines{"\n"});
    }
}

TEST(LineReader, TellsTheBytesOfEachLineEnd)
{
    for (const std::size_t size : {1u, 2u, 3u, 4u, 5u, 7u, 4096u}) {
        SCOPED_TRACE("buffer " + std::to_string(size));
        EXPECT_EQ(ReadLines("ab\r\ncd\re\r\n\rf", size, true),
                  (Lines{"ab|2", "cd|1", "e|2", "|1", "f|0"}));
        EXPECT_EQ(ReadLines("a\r\r\n\r", size, true), (Lines{"a|1", "|2", "|1"}));
        EXPECT_EQ(ReadLines("ab\r\x1A\n", size, true), (Lines{"ab|1"}));
        EXPECT_EQ(ReadLines("ab\x1A\r\n", size, true), (Lines{"ab|0"}));
    }
}

} // namespace
} // namespace zelt::test
