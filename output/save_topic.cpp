#include "output/save_topic.h"

#include "output/rtf_writer.h"
#include "output/saved_file_name.h"
#include "output/text_writer.h"

namespace zelt {

namespace fs = std::filesystem;

namespace {

// Replacing a file by renaming would pass over its read-only mark, which the
// user set so that nothing writes the file.
bool IsReadOnlyFile(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

} // namespace

std::optional<FileError> SaveTopic(std::string_view fileName, const TopicDocument& document,
                                   const OutputStyle& style, const FileSystem& files)
{
    const fs::path target = PathFromBytes(fileName);
    if (IsReadOnlyFile(target))
        return FileError{FileError::Step::Create, target,
                         std::make_error_code(std::errc::permission_denied)};
    const std::string bytes = SaveFormatOf(fileName) == SaveFormat::PlainText
                                  ? PlainTextOf(document.text)
                                  : RichTextOf(document, style);
    return WriteFileAtomically(target, bytes, files);
}

std::string CannotCreateFileText(std::string_view fileName)
{
    return "Cannot create file " + std::string(fileName);
}

} // namespace zelt
