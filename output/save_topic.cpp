#include "output/save_topic.h"

#include "output/rtf_writer.h"
#include "output/saved_file_name.h"
#include "output/text_writer.h"

namespace zelt {

std::optional<FileError> SaveTopic(std::string_view fileName, const TopicDocument& document,
                                   const OutputStyle& style, KeptFiles kept,
                                   const FileSystem& files)
{
    const std::string bytes = SaveFormatOf(fileName) == SaveFormat::PlainText
                                  ? PlainTextOf(document.text)
                                  : RichTextOf(document, style);
    return WriteFileAtomically(PathFromBytes(fileName), bytes, files,
                               {.kept = kept, .readOnlyToo = false});
}

std::string CannotCreateFileText(std::string_view fileName)
{
    return "Cannot create file " + std::string(fileName);
}

} // namespace zelt
