#pragma once

#include <windows.h>

#include <string>

#include "host/Host.h"

namespace tarvic::win32 {

// Host::RunProgram on CreateProcessW: no cmd in between, no console window, and the program with
// whatever it starts in a job of their own, which is ended when the call is over.
ProgramResult RunProgramAndWait(const std::wstring& program, const std::wstring& commandLine,
                                const std::wstring& folder, DWORD timeoutMs);

// Host::IsAdministrator: membership of the Administrators group as the token grants it, which
// a filtered UAC token does not (it holds the group for denying only).
bool HasAdministratorToken();

}  // namespace tarvic::win32
