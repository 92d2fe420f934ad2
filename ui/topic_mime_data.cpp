#include "ui/topic_mime_data.h"

#include "output/html_writer.h"
#include "output/rtf_writer.h"
#include "output/text_writer.h"
#include "ui/qt_text.h"

#include <QMimeData>

namespace zelt {

QMimeData* TopicMimeData(const TopicDocument& document, const OutputStyle& style)
{
    auto* data = new QMimeData;
    data->setText(FromUtf8(Utf8TextOf(document.text)));
    data->setHtml(FromUtf8(HtmlOf(document, style)));
    const std::string rtf = RichTextOf(document, style);
    data->setData(QString::fromLatin1(RichTextMimeType),
                  QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
    return data;
}

} // namespace zelt
