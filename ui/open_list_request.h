#pragma once

#include "ui/message_boxes.h"

namespace zelt {

// The file dialog of Open List > Other..., which the configuration dialog
// uses for its start-up list too.
OpenFileRequest OpenListRequest();

} // namespace zelt
