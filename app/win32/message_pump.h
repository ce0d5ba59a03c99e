// The main message loop and the pump that long work runs (ProcessPendingMessages). Both hand each
// message over the same way: the keyboard interface of the main window first (Tab between
// controls, arrows between radio buttons, Ctrl+A in edit boxes), then translate and dispatch.
#pragma once

#include <windows.h>

namespace varnel::win32 {

// Dispatches every message that waits in this thread's queue and returns once it is empty. When
// the next waiting message is the quit request, returns at once and leaves it in the queue.
// `keyboardWindow` (may be null) gets the dialog keyboard interface.
void ProcessPendingMessages(HWND keyboardWindow);

// Runs until the quit request arrives; returns its exit code.
int RunMessageLoop(HWND keyboardWindow);

} // namespace varnel::win32
