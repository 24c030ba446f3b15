#pragma once

#include <windows.h>

namespace tarvic::win32 {

// Hands one message on as every loop of the program does: keyboard navigation to our windows,
// which mark themselves as control parents; everything else translated and dispatched.
void DispatchThreadMessage(MSG& message);

// Waits for `object` for at most `timeoutMs`, dispatching this thread's messages meanwhile, so
// that its windows repaint, move and take clicks. A quit request met on the way is posted again
// for the caller's loop. Returns whether the object was signalled.
bool WaitDispatchingMessages(HANDLE object, DWORD timeoutMs);

}  // namespace tarvic::win32
