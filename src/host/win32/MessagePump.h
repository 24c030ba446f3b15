#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Hands one message on as every loop of the program does: keyboard navigation to our windows,
// which mark themselves as control parents; everything else translated and dispatched.
void DispatchThreadMessage(MSG& message);

// Pumps messages as DispatchThreadMessage hands them on. With `until`, returns once that window
// is gone (a modal loop); without, returns the exit code at WM_QUIT.
int RunMessageLoop(HWND until = nullptr);

// Waits for `object` for at most `timeoutMs`, dispatching this thread's messages meanwhile, so
// that its windows repaint, move and take clicks; with no object, waits the whole time. A quit
// request met on the way is posted again for the caller's loop. Returns WAIT_OBJECT_0 once the
// object was signalled, WAIT_TIMEOUT, or WAIT_FAILED with the system's error in `error`.
DWORD WaitDispatchingMessages(HANDLE object, DWORD timeoutMs, DWORD& error);

}  // namespace tarvic::win32
