// Lets the window thread breathe inside a long call: dispatches the window
// messages that are waiting, then returns.
#pragma once

namespace toolbox {

// A WM_QUIT met on the way is posted again and ends the round, so that the
// message loop that called in still sees it.
void process_pending_messages();

}  // namespace toolbox
