#include "tools/section_combiner.h"

#include <memory>
#include <span>

namespace zelt {

namespace fs = std::filesystem;

namespace {

// Large enough that the copy runs at the speed of the disk, small enough to
// stay out of the way of a multi-megabyte list.
constexpr std::size_t CopyBufferBytes = std::size_t{1} << 20;

std::optional<FileError> AppendSection(AtomicFileWriter& writer, const fs::path& section,
                                       const FileSystem& files, std::span<char> buffer,
                                       std::uintmax_t& bytes)
{
    std::error_code error;
    const FileHandle in = files.openRead(section, error);
    if (!in)
        return FileError{FileError::Step::Open, section, error};
    for (;;) {
        error.clear();
        const std::size_t got = files.read(in.get(), buffer.data(), buffer.size(), error);
        if (error)
            return FileError{FileError::Step::Read, section, error};
        if (got == 0)
            return std::nullopt;
        if (!writer.append(std::string_view(buffer.data(), got)))
            return writer.error();
        bytes += got;
    }
}

} // namespace

SectionsCombined CombineSections(const fs::path& folder, const SectionedList& list,
                                 bool deleteSections, KeptFiles kept, const FileSystem& files)
{
    SectionsCombined result;
    result.target = TargetPath(folder, list);
    const std::vector<fs::path> sections = FindSections(folder, list);
    if (sections.empty())
        return result;

    AtomicFileWriter writer(result.target, files, {.kept = kept, .readOnlyToo = false});
    const auto buffer = std::make_unique_for_overwrite<char[]>(CopyBufferBytes);
    for (const fs::path& section : sections) {
        result.error = AppendSection(writer, section, files, {buffer.get(), CopyBufferBytes},
                                     result.byteCount);
        if (result.error)
            return result;
    }
    if (!writer.commit()) {
        result.error = writer.error();
        return result;
    }
    result.sectionCount = sections.size();

    if (deleteSections) {
        for (const fs::path& section : sections) {
            std::error_code error;
            files.remove(section, error);
            if (error)
                result.undeleted.push_back(section);
        }
    }
    return result;
}

bool IsChosen(const CombineChoice& choice, const SectionedList& list) noexcept
{
    return list.kind == ListKind::Ports ? choice.ports : choice.interrup;
}

void Choose(CombineChoice& choice, const SectionedList& list) noexcept
{
    (list.kind == ListKind::Ports ? choice.ports : choice.interrup) = true;
}

bool ChoiceRewritesOpenList(const CombineChoice& choice, ListKind openList) noexcept
{
    return (openList == ListKind::Interrup && choice.interrup) ||
           (openList == ListKind::Ports && choice.ports);
}

CombineRun CombineChosenLists(const fs::path& folder, const CombineChoice& choice, KeptFiles kept,
                              const FileSystem& files)
{
    CombineRun run;
    for (const SectionedList& list : SectionedLists) {
        if (!IsChosen(choice, list))
            continue;
        SectionsCombined result = CombineSections(folder, list, choice.deleteSections, kept, files);
        if (result.error) {
            run.failed = std::move(result);
            break;
        }
        if (result.sectionCount > 0)
            run.combined.push_back(std::move(result));
    }
    return run;
}

} // namespace zelt
