// Saved rich text read back by LibreOffice, the word processor most users of
// this platform open it with: the text must come back character for
// character, the formatting as the view shows it.
#include "base/code_page_437.h"
#include "browse/view_lines.h"
#include "list/list_loader.h"
#include "list/topic_reader.h"
#include "output/rtf_writer.h"
#include "output/topic_document.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace zelt::test {
namespace {

namespace fs = std::filesystem;

const OutputStyle Style{"Courier New", 10, {0, 120, 215}};

// A topic with a title, labels, a box drawn with code page 437 lines and a
// see-also line of links and a table reference.
std::string ListWithBoxTopic()
{
    return DosLines({
        "Sample list for the rich text check",
        Divider('D', "214C"),
        "INT 21 - DOS 2+ - \"EXIT\" - TERMINATE WITH RETURN CODE",
        "\tAH = 4Ch",
        "  indented by two blanks, then  two more",
        "\tAL = return code {0..255} \\ exit",
        "Return: never returns",
        "\xDA\xC4\xC4\xC4\xC4\xC2\xC4\xC4\xC4\xC4\xBF",
        "\xB3 AL \xB3 code \xB3 \xB1\xB2\xDB",
        "\xC0\xC4\xC4\xC4\xC4\xC1\xC4\xC4\xC4\xC4\xD9",
        "SeeAlso: AH=4Bh,INT 2F/AX=1600h,#01234",
        "",
    });
}

std::string EveryCharacter()
{
    std::string text;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            text += static_cast<char>(byte);
        if (byte % 32 == 31)
            text += '\n';
    }
    return text;
}

// The document's text as UTF-8, as LibreOffice writes it out.
std::string Utf8Of(std::string_view documentText)
{
    std::string text;
    for (const char byte : documentText) {
        if (byte == '\n' || byte == '\t')
            text += byte;
        else
            AppendUtf8(text, Cp437ToUnicode(static_cast<unsigned char>(byte)));
    }
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

std::string WithoutByteOrderMark(std::string text)
{
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

// LibreOffice breaks long lines of its HTML where blanks were.
std::string JoinedLines(std::string html)
{
    for (char& c : html) {
        if (c == '\n')
            c = ' ';
    }
    return html;
}

// Whether text stands in the colour, with nothing but tags between the
// colour's font tag and the text.
bool InColour(const std::string& html, std::string_view colour, std::string_view text)
{
    const std::size_t at = html.find(text);
    if (at == std::string::npos)
        return false;
    const std::size_t tag = html.rfind("<font color=\"", at);
    if (tag == std::string::npos)
        return false;
    const std::string between = html.substr(tag, at - tag);
    if (between.find(colour) != std::string::npos && between.find("</font>") == std::string::npos) {
        bool inTag = false;
        for (const char c : between) {
            if (c == '<' || c == '>')
                inTag = c == '<';
            else if (!inTag)
                return false;
        }
        return true;
    }
    return false;
}

bool Convert(const TempDir& dir, std::string_view filter, const std::vector<fs::path>& files)
{
    std::string command = "timeout 300 soffice -env:UserInstallation=file://" +
                          (dir.path() / "profile").string() +
                          " --headless --norestore --convert-to '" + std::string(filter) +
                          "' --outdir " + (dir.path() / "out").string();
    for (const fs::path& file : files)
        command += " " + file.string();
    command += " >>" + (dir.path() / "soffice.log").string() + " 2>&1";
    return std::system(command.c_str()) == 0;
}

TEST(RtfInLibreOffice, TextAndFormattingComeBack)
{
#ifdef _WIN32
    GTEST_SKIP() << "checked with LibreOffice on Linux";
#endif
    ASSERT_EQ(std::system("command -v soffice >/dev/null 2>&1"), 0)
        << "soffice is missing: ./setup.sh installs LibreOffice";
    const TempDir dir;
    LoadedList list;
    LoadRequest request;
    request.listFileName = dir.write("INTERRUP.LST", ListWithBoxTopic());
    request.onlyParseLst = true;
    request.indexMode.loadTopicsDirect = true;
    LoadObserver quiet;
    ASSERT_TRUE(LoadListTopics(list, request, quiet).loaded);
    auto reader = TopicReader::Open(request.listFileName);
    ASSERT_TRUE(reader);
    const auto bytes = reader->read(list.topics().start(1), list.topics().length(1));
    ASSERT_TRUE(bytes);
    FormatOptions options;
    options.listKind = list.files.listKind;
    const std::string_view shown = ShownBytes(*bytes);
    const TopicDocument topic =
        DocumentOfShownBytes(shown, FormatTopic(shown, list.topics().title(1), options).spans);
    const TopicDocument characters{EveryCharacter(), {}};

    const std::vector<fs::path> files{dir.path() / "topic.rtf", dir.path() / "characters.rtf"};
    WriteBytes(files[0], RichTextOf(topic, Style));
    WriteBytes(files[1], RichTextOf(characters, Style));
    ASSERT_TRUE(Convert(dir, "txt:Text (encoded):UTF8", files))
        << ReadBytes(dir.file("soffice.log"));
    ASSERT_TRUE(Convert(dir, "html", files)) << ReadBytes(dir.file("soffice.log"));

    const fs::path out = dir.path() / "out";
    EXPECT_EQ(WithoutByteOrderMark(ReadBytes(out / "topic.txt")), Utf8Of(topic.text));
    EXPECT_NE(ReadBytes(out / "topic.txt").find("\u250C\u2500\u2500\u2500\u2500\u252C"),
              std::string::npos)
        << "box-drawing characters";
    EXPECT_EQ(WithoutByteOrderMark(ReadBytes(out / "characters.txt")), Utf8Of(characters.text));

    const std::string html = JoinedLines(ReadBytes(out / "topic.html"));
    EXPECT_NE(html.find("Courier New"), std::string::npos) << "the view font";
    EXPECT_NE(html.find("<b>INT 21 - DOS 2+ - &quot;EXIT&quot; - TERMINATE WITH RETURN CODE</b>"),
              std::string::npos)
        << html;
    EXPECT_TRUE(InColour(html, "#0078d7", "<b>INT 21")) << "the title in the highlight colour";
    EXPECT_NE(html.find("<u>Return</u>"), std::string::npos) << "a label underlined";
    EXPECT_TRUE(InColour(html, "#0078d7", "<u>Return</u>"));
    EXPECT_TRUE(InColour(html, "#008000", "AH=4Bh")) << "a link green";
    EXPECT_TRUE(InColour(html, "#008000", "INT 2F/AX=1600h"));
    EXPECT_TRUE(InColour(html, "#008080", "#01234")) << "a table reference teal";
    EXPECT_EQ(html.find("<b>\tAH"), std::string::npos) << "only the title is bold";
}

} // namespace
} // namespace zelt::test
