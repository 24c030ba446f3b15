#include "batch/Registration.h"

#include <cstdio>

#include "batch/RegistrationGuard.h"
#include "batch/ToolCommandLine.h"
#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

namespace {

constexpr std::string_view kBanner =
    "------< REGISTRATION >-------------------------------------------------------------";

std::string Done(RegistrationKind kind) {
  return kind == RegistrationKind::Register ? "registered" : "unregistered";
}

// Codes from 0x80000000 up are HRESULTs, which nobody recognises in decimal.
std::string ExitCodeText(std::uint32_t code) {
  std::string text = std::to_string(code);
  if (code >= 0x80000000u) {
    char hex[16];
    std::snprintf(hex, sizeof hex, " / 0x%08X", static_cast<unsigned>(code));
    text += hex;
  }
  return text;
}

// What went wrong, with the system's number and text for it.
std::string Failed(const std::string& what, const ProgramResult& result) {
  return "FAILED (" + what + std::to_string(result.code) + " " + result.errorText + ")";
}

std::string Outcome(RegistrationKind kind, const std::optional<ProgramResult>& result) {
  if (!result) return "not run";
  switch (result->ending) {
    case ProgramResult::Ending::Exited:
      if (result->code == 0) return Done(kind);
      return "FAILED (ESRIRegAsm.exe exit code " + ExitCodeText(result->code) + ")";
    case ProgramResult::Ending::NotStarted:
      return Failed("could not start: ", *result);
    case ProgramResult::Ending::ExitCodeUnknown:
      return Failed("exit code unknown: ", *result);
    case ProgramResult::Ending::WaitFailed:
      return Failed("waiting failed: ", *result);
    case ProgramResult::Ending::TimedOut:
      break;
  }
  return "FAILED (no answer after 5 minutes; ended)";
}

// One extension's line of the section; no result means not run.
std::string ResultLine(RegistrationKind kind, const ExtensionEntry& entry,
                       const std::optional<ProgramResult>& result) {
  return kArrow + entry.ToolTitle + ": " + Outcome(kind, result);
}

std::string Refusal(RegistrationKind kind) {
  return kind == RegistrationKind::Register
             ? "Nothing was registered: registering writes to the machine's registry, so start "
               "Tarvic_Kit.exe with \"Run as administrator\"."
             : "Nothing was unregistered: unregistering writes to the machine's registry, so "
               "start Tarvic_Kit.exe with \"Run as administrator\".";
}

}  // namespace

std::string SectionPieceLines(const std::string& piece) {
  return piece.substr(kCrLf.size()) + kCrLf;
}

std::string EndedBySessionLine(const ExtensionEntry& entry) {
  return kArrow + entry.ToolTitle + ": FAILED (ended by sign-out or shutdown)";
}

std::string RegistrationCommandLine(RegistrationKind kind, const std::string& toolPath,
                                    const std::string& programFolder, const ExtensionEntry& entry) {
  const std::string dllPath = programFolder + entry.DllName;
  if (kind == RegistrationKind::Unregister) {
    return UnregisterLine(toolPath, dllPath, true, LineReader::CreateProcess);
  }
  return RegisterLine(toolPath, dllPath, programFolder + entry.RegName, true,
                      LineReader::CreateProcess);
}

RegistrationTally RunRegistrations(Host& host, RegistrationKind kind, const std::string& toolPath,
                                   const std::string& programFolder,
                                   const std::vector<std::string>& scannedFiles,
                                   const std::vector<ExtensionEntry>& entries,
                                   const std::function<bool()>& stopRequested,
                                   const std::function<void(const std::string&)>& append) {
  const auto piece = [&](const std::string& text) { append(kCrLf + text); };
  piece(kCrLf + std::string(kBanner) + kCrLf);
  RegistrationTally tally;
  tally.total = entries.size();
  if (!host.IsAdministrator()) {
    tally.refused = true;
    piece(Refusal(kind));
    return tally;
  }
  if (const auto refusal =
          RefusalForChangeablePaths(host, kind, programFolder, scannedFiles, toolPath)) {
    tally.othersCanChange = true;
    piece(*refusal);
    return tally;
  }
  // A program started by its 8.3 name sees its folder in that form; the tool gets long names.
  const std::string folder = host.LongPathName(programFolder);
  for (const ExtensionEntry& entry : entries) {
    std::optional<ProgramResult> result;
    if (!stopRequested()) {
      result = host.RunProgram(toolPath, RegistrationCommandLine(kind, toolPath, folder, entry),
                               folder, kRegistrationTimeoutMs);
    }
    if (result && result->ending == ProgramResult::Ending::Exited && result->code == 0) {
      ++tally.succeeded;
    }
    piece(ResultLine(kind, entry, result));
  }
  piece(kCrLf + std::to_string(tally.succeeded) + " of " + std::to_string(tally.total) + " " +
        Done(kind) + ".");
  return tally;
}

}  // namespace tarvic
