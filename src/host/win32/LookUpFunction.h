#pragma once

#include <windows.h>

namespace tarvic::win32 {

// A function looked up at run time instead of imported: one that older systems lack, or one
// whose library is loaded only when needed. Null when the module or the function is missing.
template <class Pointer>
Pointer LookUpFunction(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace tarvic::win32
