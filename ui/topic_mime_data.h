#pragma once

#include "output/output_style.h"
#include "output/topic_document.h"

#include <QtGlobal>

class QMimeData;

namespace zelt {

// The clipboard format name of rich text on this platform.
#ifdef Q_OS_WIN
inline constexpr char RichTextMimeType[] = "Rich Text Format";
#else
inline constexpr char RichTextMimeType[] = "text/rtf";
#endif

// What the clipboard gets of a topic or a part of it: Unicode text, HTML and
// rich text, all written by the program's own writers. The caller owns it.
QMimeData* TopicMimeData(const TopicDocument& document, const OutputStyle& style);

} // namespace zelt
