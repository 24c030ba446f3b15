// Named like a system DLL, beside the program: loaded from there, it leaves NAME.loaded and ends
// the process, as planted code could, rather than let it crash calling what a stand-in lacks.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t mark[MAX_PATH * 2] = {};
  GetModuleFileNameW(self, mark, MAX_PATH);
  wcscat(mark, L".loaded");
  CloseHandle(CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  TerminateProcess(GetCurrentProcess(), 0xD11);
  return TRUE;
}
