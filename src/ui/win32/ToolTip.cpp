#include "ui/win32/ToolTip.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/FormWindow.h"

namespace tarvic::win32 {

void AddToolTip(HWND owner, HWND control) {
  const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  if (tip == nullptr) return;  // a missing tip is no reason to stop

  std::wstring text = TextOf(control);
  TOOLINFOW tool = {};
  // The version-2 size is the one both the old and the themed common controls accept.
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();  // the tip keeps a copy
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tarvic::win32
