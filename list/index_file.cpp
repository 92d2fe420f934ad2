#include "list/index_file.h"

#include "base/ascii_text.h"
#include "list/topic_collector.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zelt {

namespace {

constexpr char AfterIdentifier = 20;
constexpr char AfterCategory = 21;
constexpr char AfterStart = 22;
constexpr char AfterLength = 23;
constexpr char AfterReserved = 24;
constexpr char BeforeTitle = 31;
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view IndexExtension = ".zeltv";
// The fewest bytes a divider line takes: 36 characters and a lone CR.
constexpr std::int64_t ShortestDividerBytes = 37;
// What a scan counts for a last line without its line end.
constexpr std::int64_t MissingLineEndBytes = 2;
constexpr char EndOfTextMark = 26; // Ctrl-Z

bool HasEndOfTextMark(const std::string& listFileName, std::int64_t offset)
{
    const FileHandle file = OpenSharedRead(PathFromBytes(listFileName));
    if (!file || offset > std::numeric_limits<long>::max() ||
        std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    return std::fgetc(file.get()) == EndOfTextMark;
}

// A whole, plain decimal number that fits 32 bits and is not negative.
bool ParseOffset(std::string_view text, std::int32_t& value)
{
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && value >= 0;
}

bool ParseIndexLine(std::string_view line, LoadedList& list)
{
    const auto afterIdentifier = line.find(AfterIdentifier);
    if (afterIdentifier == std::string_view::npos || afterIdentifier + 2 >= line.size() ||
        line[afterIdentifier + 2] != AfterCategory)
        return false;
    const auto category = static_cast<CategoryChar>(line[afterIdentifier + 1]);
    const auto startBegin = afterIdentifier + 3;
    const auto afterStart = line.find(AfterStart, startBegin);
    if (afterStart == std::string_view::npos)
        return false;
    const auto afterLength = line.find(AfterLength, afterStart + 1);
    if (afterLength == std::string_view::npos)
        return false;
    const auto afterReserved = line.find(AfterReserved, afterLength + 1);
    if (afterReserved == std::string_view::npos || afterReserved + 1 >= line.size() ||
        line[afterReserved + 1] != BeforeTitle)
        return false;
    std::int32_t start = 0;
    std::int32_t length = 0;
    if (!ParseOffset(line.substr(startBegin, afterStart - startBegin), start) ||
        !ParseOffset(line.substr(afterStart + 1, afterLength - afterStart - 1), length))
        return false;
    list.addTopic(line.substr(0, afterIdentifier), line.substr(afterReserved + 2), category, start,
                  length);
    return true;
}

std::size_t CountLines(std::string_view bytes)
{
    std::size_t count = 0;
    for (auto at = bytes.find(LineEnd); at != std::string_view::npos;
         at = bytes.find(LineEnd, at + LineEnd.size()))
        ++count;
    return count;
}

} // namespace

std::string IndexFileNameFor(std::string_view listFileName)
{
    // Only a dot in the file name itself counts, so that the index stays
    // beside its list even in a folder whose name holds a dot.
    const std::size_t nameStart = listFileName.size() - FileNameOf(listFileName).size();
    const auto dot = listFileName.rfind('.');
    const std::string_view base = dot == std::string_view::npos || dot < nameStart
                                      ? listFileName
                                      : listFileName.substr(0, dot);
    std::string name(base);
    name += IndexExtension;
    return name;
}

void AppendIndexLine(std::string& out, const TopicRef& topic)
{
    char number[16];
    out += topic.identifier;
    out += AfterIdentifier;
    out += static_cast<char>(topic.category);
    out += AfterCategory;
    out.append(number, std::to_chars(number, number + sizeof number, topic.start).ptr);
    out += AfterStart;
    out.append(number, std::to_chars(number, number + sizeof number, topic.length).ptr);
    out += AfterLength;
    out += AfterReserved;
    out += BeforeTitle;
    out += topic.title;
    out += LineEnd;
}

std::string FormatIndexFile(const TopicTable& topics)
{
    std::string out;
    out.reserve(topics.size() * 40);
    for (TopicNumber n = 0; n < topics.size(); ++n)
        AppendIndexLine(out, topics.topic(n));
    return out;
}

bool IsIndexCurrent(const FileEntry& list, const FileEntry& index) noexcept
{
    return list.timeStamp == index.timeStamp;
}

bool IndexCanHold(const TopicTable& topics) noexcept
{
    for (TopicNumber n = 0; n < topics.size(); ++n) {
        const std::string_view identifier = topics.identifier(n);
        if (identifier.find(AfterIdentifier) != std::string_view::npos ||
            identifier.find(LineEnd) != std::string_view::npos ||
            topics.title(n).find(LineEnd) != std::string_view::npos)
            return false;
    }
    return true;
}

bool WriteIndexFile(const std::string& indexFileName, const TopicTable& topics,
                    const FileEntry& listEntry, const FileSystem& files)
{
    // An index that would read back other topics is no index.
    if (!IndexCanHold(topics))
        return false;
    AtomicFileWriter writer(PathFromBytes(indexFileName), files, {.kept = {}, .readOnlyToo = true});
    // A file without the list's time stamp would only be outdated next time.
    return writer.append(FormatIndexFile(topics)) &&
           writer.commit([&](const std::filesystem::path& temporary) {
               CopyFileEntry(temporary, listEntry);
               return true;
           });
}

bool ParseIndex(std::string_view bytes, LoadedList& list, LoadObserver* observer)
{
    // Every line ends in CR LF, the last one included; a title may hold a
    // lone line feed, which is why lines split at CR LF only.
    if (bytes.empty() || !bytes.ends_with(LineEnd)) {
        list.beginLoad(0);
        return false;
    }
    const std::size_t lineCount = CountLines(bytes);
    list.beginLoad(lineCount);
    // Seven separator bytes and the line end are no text.
    if (bytes.size() > lineCount * 9)
        list.reserveText(bytes.size() - lineCount * 9);

    const auto step = std::max<std::size_t>(
        1, static_cast<std::size_t>(std::lround(static_cast<double>(lineCount - 1) / 25.0)));
    const bool showProgress = observer != nullptr && step >= 40;
    if (showProgress)
        observer->progressShown(true);
    int progress = 0;

    std::size_t lineBegin = 0;
    for (std::size_t i = 0; i < lineCount; ++i) {
        if (showProgress && lineCount > 1 && i % step == 0) {
            progress += 4;
            observer->progressChanged(progress);
        }
        const auto lineEnd = bytes.find(LineEnd, lineBegin);
        if (!ParseIndexLine(bytes.substr(lineBegin, lineEnd - lineBegin), list)) {
            list.beginLoad(0);
            return false;
        }
        lineBegin = lineEnd + LineEnd.size();
    }
    list.finishLoad();
    return true;
}

bool ReadIndexFile(const std::string& indexFileName, LoadedList& list, LoadObserver& observer)
{
    const LoadScope scope(observer, "Loading topics of " +
                                        std::string(FileNameOf(list.files.listFileName)) + "...");
    const ListFiles& files = list.files;
    const auto size = files.indexFileEntry ? files.indexFileEntry->size : 0;
    const auto bytes = size <= MaxIndexFileBytes(files.listFileEntry.size)
                           ? ReadFileBytes(PathFromBytes(indexFileName))
                           : std::nullopt;
    const auto endOfTextAt = [&files](std::int64_t offset) {
        return HasEndOfTextMark(files.listFileName, offset);
    };
    if (!bytes || bytes->size() > MaxIndexFileBytes(files.listFileEntry.size) ||
        !ParseIndex(*bytes, list, &observer) ||
        !IndexFitsList(list.topics(), files.listFileEntry, files.listFileName, endOfTextAt)) {
        list.beginLoad(0);
        return false;
    }
    return true;
}

std::uint64_t MaxIndexFileBytes(std::uint64_t listSize) noexcept
{
    // A line holds at most its topic's divider, title and a few dozen bytes of
    // numbers and separators, and every topic but the first needs a divider
    // line of 37 bytes or more: twice the size leaves ample room. The slack
    // covers small lists and a whole-file topic's long name.
    constexpr std::uint64_t Slack = 64 * 1024;
    return 2 * listSize + Slack;
}

bool IndexFitsList(const TopicTable& topics, const FileEntry& list, std::string_view listFileName,
                   const EndOfTextProbe& endOfTextAt)
{
    if (topics.size() == 0)
        return false;
    const auto size = static_cast<std::int64_t>(list.size);
    const auto end = [&topics](TopicNumber n) {
        return std::int64_t{topics.start(n)} + topics.length(n);
    };
    if (topics.size() == 1 && topics.category(0) == WholeFileCategory && topics.start(0) == 0)
        return topics.identifier(0) == WholeFileIdentifier(FileNameOf(listFileName)) &&
               end(0) == std::max<std::int64_t>(size - MissingLineEndBytes, 0);

    // A topic starts at 0 (the list information) or after its divider line.
    if (topics.start(0) != 0 && topics.start(0) < ShortestDividerBytes)
        return false;
    for (TopicNumber n = 1; n < topics.size(); ++n) {
        if (topics.start(n) - end(n - 1) < ShortestDividerBytes)
            return false;
    }
    const std::int64_t last = end(topics.size() - 1);
    for (const std::int64_t textEnd : {last, last - MissingLineEndBytes}) {
        if (textEnd == size)
            return true;
        if (textEnd >= 0 && textEnd < size && endOfTextAt && endOfTextAt(textEnd))
            return true;
    }
    return false;
}

} // namespace zelt
