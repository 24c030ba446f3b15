// Built under the names of system DLLs and put in the program folder: if the program ever loads
// one from there, it leaves a mark, a file named after itself with ".loaded" appended, and ends
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
