#include "ui/open_list_request.h"

#include <QDir>

namespace zelt {

OpenFileRequest OpenListRequest()
{
    OpenFileRequest request;
    request.title = QStringLiteral("Open list");
    request.filters = {QStringLiteral("List files (*.lst)"), QStringLiteral("Any file (*.*)")};
    request.directory = QDir::currentPath();
    return request;
}

} // namespace zelt
