#pragma once

#include <chrono>

namespace morven::tool::win32 {

// How the dialog model pauses while another program holds the exchange file: this thread's
// windows repaint (a closed message box leaves no ghost) and show the wait cursor. Nothing else
// is handled meanwhile: input waits in the queue, and the view drops it before it asks again.
void PauseKeepingWindowsDrawn(std::chrono::milliseconds time);

}  // namespace morven::tool::win32
