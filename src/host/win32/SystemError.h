#pragma once

#include <windows.h>

#include <string>

#include "host/HostFailure.h"

namespace tarvic::win32 {

// The system's own text for an error code, without the trailing line break.
std::string SystemMessage(DWORD error);

// A HostFailure carrying `error` and its system text, with `context` in front when given.
HostFailure SystemFailure(DWORD error, const std::string& context = {});

// The same for GetLastError(), read before anything else can overwrite it.
HostFailure LastErrorFailure(const std::string& context = {});

}  // namespace tarvic::win32
