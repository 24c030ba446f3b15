#include "batch/BatchFileWriter.h"

#include "batch/FolderScan.h"
#include "batch/ToolCommandLine.h"
#include "errors/ErrorTrap.h"
#include "host/Host.h"
#include "text/AsciiCase.h"
#include "text/TextLines.h"

namespace tarvic {

namespace {

bool ContainsIgnoreCase(const std::vector<std::string>& names, const std::string& wanted) {
  for (const auto& name : names) {
    if (EqualsIgnoreCase(name, wanted)) return true;
  }
  return false;
}

std::string Line(std::string_view text) {
  return std::string(text) + kCrLf;
}

}  // namespace

std::string BatchSuccessText(const ExtensionEntry& entry, const std::string& registerBatPath,
                             const std::string& unregisterBatPath) {
  return Line("The following batch files have been created to Register and Unregister " +
              entry.ToolTitle + " in ArcGIS 10:") +
         Line(kArrow + registerBatPath) + Line(kArrow + unregisterBatPath);
}

std::string BatchFailureText(const ExtensionEntry& entry, const std::string& registerLine,
                             const std::string& unregisterLine) {
  return Line("Failed to create batch files for " + entry.ToolTitle + "!") +
         Line("  --> Reason for failure unknown...") + Line("") +
         Line(
             "If you wish to manually make your own batch files, please paste the following "
             "text into the files:") +
         Line("<-- Text to Register " + entry.ToolTitle + " -->") + Line(registerLine) + Line("") +
         Line("<-- Text to Unregister " + entry.ToolTitle + "-->") + Line(unregisterLine) +
         Line("");
}

bool MakeBatchFiles(Host& host, ErrorSink& errors, const ExtensionEntry& entry,
                    const std::string& regAsmPath, const std::vector<std::string>& foundDlls,
                    const std::vector<std::string>& foundRegs, bool silentTool,
                    std::string& entryText, bool& foundAfterWrite) {
  bool result = false;
  foundAfterWrite = false;
  ErrorTrap trap(errors, "MakeBatchFiles ", "Error in frmBatch");
  trap.Run([&] {
    trap.At(10);
    entryText = "Failed";
    trap.At(20);
    const bool dllPresent = ContainsIgnoreCase(foundDlls, entry.DllName);
    trap.At(30);
    const bool regPresent = ContainsIgnoreCase(foundRegs, entry.RegName);
    trap.At(40);
    const std::string programFolder = ProgramFolderOf(host.AppPath());
    trap.At(50);
    if (!dllPresent || !regPresent) return;
    trap.At(60);
    // Only present files have a short name to fall back on.
    const std::string toolPath = host.CmdPathForm(regAsmPath);
    const std::string dllPath = host.CmdPathForm(programFolder + entry.DllName);
    const std::string registerLine = RegisterLine(
        toolPath, dllPath, host.CmdPathForm(programFolder + entry.RegName), silentTool);
    const std::string unregisterLine = UnregisterLine(toolPath, dllPath, silentTool);
    trap.At(70);
    const std::string registerBatPath = programFolder + entry.RegisterBat;
    const std::string unregisterBatPath = programFolder + entry.UnregisterBat;
    trap.At(80);
    host.WriteLineFile(registerBatPath, registerLine);
    trap.At(90);
    host.WriteLineFile(unregisterBatPath, unregisterLine);
    trap.At(100);
    const bool registerFound = host.FileExists(registerBatPath);
    const bool unregisterFound = host.FileExists(unregisterBatPath);
    const bool bothFound = registerFound && unregisterFound;
    foundAfterWrite = bothFound;
    trap.At(110);
    entryText = bothFound ? BatchSuccessText(entry, registerBatPath, unregisterBatPath)
                          : BatchFailureText(entry, registerLine, unregisterLine);
    trap.At(120);
    result = true;
  });
  return result;
}

}  // namespace tarvic
