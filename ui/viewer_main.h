#pragma once

#include <functional>

namespace zelt {

class TFormMain;

// The whole program: start-up, then the event loop unless QUIT ended the run.
// beforeLoop sees the shown main window right before the loop starts.
int RunViewer(int argc, char* argv[], const std::function<void(TFormMain&)>& beforeLoop = {});

} // namespace zelt
