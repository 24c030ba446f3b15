#include "Expected.h"

#include <windows.h>

#include <map>
#include <stdexcept>

#include "Files.h"
#include "Utf.h"

namespace {

const std::string kArrow = "  --> ";

std::string Line(const std::string& text) {
  return text + kCrLf;
}

std::string Dashes(int count) {
  return std::string(static_cast<std::size_t>(count), '-');
}

bool EndsWithNoCase(const std::string& name, const std::string& suffix) {
  return name.size() >= suffix.size() &&
         _stricmp(name.substr(name.size() - suffix.size()).c_str(), suffix.c_str()) == 0;
}

// cmd would expand a lone % even inside quotes.
std::string ForBatch(const std::string& path) {
  std::string out;
  for (char c : path) {
    out += c;
    if (c == '%') out += '%';
  }
  return out;
}

std::string FoundParagraphs(const std::string& folder, const Found& found) {
  std::string text =
      Line("Found " + std::to_string(found.regs.size()) + " *.reg files in " + folder + "...");
  for (const auto& path : found.regs) text += Line(kArrow + path);
  text += kCrLf;
  text += Line("Found " + std::to_string(found.dlls.size()) + " *.dll files in " + folder + "...");
  for (const auto& path : found.dlls) text += Line(kArrow + path);
  return text;
}

std::string LocatedAt(const std::string& tool) {
  return Line("ESRIRegAsm.exe located at:") + Line(kArrow + tool) + kCrLf;
}

std::string WithVersionBanner(const std::string& report) {
  return report + kCrLf + kCrLf + "------< Tarvic v. 1.0.39>" + Dashes(68);
}

std::string EntrySuccess(const std::string& folder, const Row& row) {
  return Line("The following batch files have been created to Register and Unregister " +
              row.title + " in ArcGIS 10:") +
         Line(kArrow + folder + row.registerBat) + Line(kArrow + folder + row.unregisterBat);
}

}  // namespace

const Row& CatalogueRow(int number) {
  static const std::map<int, Row> rows = {
      {1,
       {"Parcel Numbering Tools", "ParcelNum.dll", "ParcelNum.reg", "Register_Parcel_Numbering.bat",
        "Unregister_Parcel_Numbering.bat"}},
      {2,
       {"Survey Point Import", "PointImport.dll", "PointImport.reg",
        "Register_Survey_Point_Import.bat", "Unregister_Survey_Point_Import.bat"}},
      {3,
       {"Field Crew Scheduler", "Scheduler.dll", "CrewRoster.reg", "Register_Quorvane_Tools.bat",
        "Unregister_Quorvane_Tools.bat"}},
      {6,
       {"Noise Buffer Tools", "NoiseBuffer.dll", "Ovel_Setup.reg",
        "Register_Noise_Buffer_Tools.bat", "Unregister_Noise_Buffer_Tools.bat"}},
      {15,
       {"Fence Line Audit", "FenceAudit.dll", "FenceAudit.reg", "Register_Fence_Audit_Tool.bat",
        "Unregister_Fence_Audit_Tool.bat"}},
  };
  const auto it = rows.find(number);
  if (it == rows.end()) throw std::out_of_range("catalogue row not used by the tests");
  return it->second;
}

Found FoundIn(const std::string& folder) {
  Found found;
  for (const auto& name : ListedFiles(folder.substr(0, folder.size() - 1))) {
    if (EndsWithNoCase(name, ".reg")) {
      found.regs.push_back(folder + name);
    } else if (EndsWithNoCase(name, ".dll")) {
      found.dlls.push_back(folder + name);
    }
  }
  return found;
}

std::string RegisterLine(const std::string& tool, const std::string& folder, const Row& row) {
  return "\"" + ForBatch(tool) + "\" /p:Desktop \"" + ForBatch(folder) + row.dll + "\" /f:\"" +
         ForBatch(folder) + row.reg + "\"";
}

std::string UnregisterLine(const std::string& tool, const std::string& folder, const Row& row) {
  return "\"" + ForBatch(tool) + "\" /p:Desktop /u \"" + ForBatch(folder) + row.dll + "\"";
}

std::string BatchFileBytes(const std::string& line) {
  return InCodePage(line, CP_OEMCP) + kCrLf;
}

std::string RichTextAlert(const std::string& systemFolder) {
  return std::string(kCrLf) + kCrLf + Line("------< ALERT >" + Dashes(68)) + kCrLf +
         Line("This tool did not find the Windows file RICHTX32.OCX in the expected folder:") +
         Line(kArrow + systemFolder + "richtx32.ocx") + kCrLf +
         "Windows 7 does not automatically include this file, so you may need to install and "
         "register it manually to prevent the Quorvane ArcGIS tools from crashing.  Please refer "
         "to the manual for instructions on how to manually install and register the "
         "RICHTX32.OCX file.";
}

std::string SuccessReport(const std::string& tool, const std::string& folder,
                          const std::vector<int>& createdRows, const Found& found,
                          const std::string& alert) {
  std::string report = Line("------< BATCH FILES SUCCESSFULLY CREATED >" + Dashes(32)) + kCrLf;
  for (int number : createdRows) report += EntrySuccess(folder, CatalogueRow(number)) + kCrLf;
  report +=
      "If using Windows XP, you should be able to register and unregister the tools simply by "
      "double-clicking on the batch files listed above.  If using Windows Vista or Windows 7, you "
      "must right-click on the batch file and select 'Run as Administrator'.";
  report += alert + kCrLf + kCrLf;
  report += Line("------< NOTES >" + Dashes(68)) + kCrLf;
  report += LocatedAt(tool) + FoundParagraphs(folder, found);
  return WithVersionBanner(report);
}

std::string FailureReport(const std::string& tool, const std::string& folder, const Found& found) {
  return WithVersionBanner(
      Line("------< BATCH FILES FAILURE >" + Dashes(32)) + kCrLf + LocatedAt(tool) +
      FoundParagraphs(folder, found) + kCrLf +
      Line("Unable to find any Quorvane extensions to create batch files for!"));
}

std::string NotLocatedReport() {
  return WithVersionBanner(Line("Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!") +
                           kCrLf + "Operation cancelled...");
}

std::string LocateInstructions() {
  return Line(
             "This tool was unable to find the Esri Registry Assembly tool 'ESRIRegAsm.exe' in "
             "the expected location.  On 32-bit machines, this file is usually located at:") +
         Line(" ") + Line("  -->  C:\\Program Files\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe") +
         Line(" ") + Line("On 64-bit machines, this file is usually located at:") + Line(" ") +
         Line("  -->  C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe") +
         Line(" ") + Line("Please enter the correct location for this file on your computer.") +
         Line(" ");
}

std::string ProblemFindingText(const std::string& typedPath) {
  return Line("Unable to find ESRIRegAsm.exe at specified path:") + kCrLf +
         Line(kArrow + typedPath) + kCrLf +
         "Click 'OK' to specify another file location, or 'Cancel' to exit...";
}

std::string ErrorReportTail() {
  return std::string(kCrLf) +
         Line(
             "If using Windows Vista or Windows 7, did you right-click and choose 'Run as "
             "Administrator'?") +
         kCrLf + Line("This error message has been copied to your Clipboard.") +
         Line(std::string("Please contact ") + TARVIC_SUPPORT_NAME + " [" + TARVIC_SUPPORT_EMAIL +
              "] if you have problems with this tool.") +
         "Use [Control]-V to paste this error information into your email.";
}
