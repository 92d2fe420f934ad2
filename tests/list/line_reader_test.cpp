#include "list/line_reader.h"
#include "support/temp_dir.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace zelt::test {
namespace {

std::vector<std::string> ReadLines(std::string_view bytes, std::size_t bufferSize)
{
    TempDir dir;
    const std::string name = dir.write("lines.txt", bytes);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"),
                                                               &std::fclose);
    LineReader reader(file.get(), bufferSize);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
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

} // namespace
} // namespace zelt::test
