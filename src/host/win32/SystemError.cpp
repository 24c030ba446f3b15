#include "host/win32/SystemError.h"

#include "host/win32/Scoped.h"
#include "host/win32/Utf16.h"

namespace tarvic::win32 {

std::string SystemMessage(DWORD error) {
  ScopedLocal buffer;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(buffer.Receive<wchar_t*>()), 0, nullptr);
  std::wstring text;
  if (length != 0 && buffer.As<wchar_t*>() != nullptr) text.assign(buffer.As<wchar_t*>(), length);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  if (text.empty()) return "System error " + std::to_string(error);
  return Narrow(text);
}

HostFailure SystemFailure(DWORD error, const std::string& context) {
  const std::string message = SystemMessage(error);
  return HostFailure(static_cast<std::int32_t>(error),
                     context.empty() ? message : context + ": " + message);
}

HostFailure LastErrorFailure(const std::string& context) {
  return SystemFailure(GetLastError(), context);
}

}  // namespace tarvic::win32
