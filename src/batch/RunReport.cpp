#include "batch/RunReport.h"

#include "text/TextLines.h"

namespace tarvic {

std::string LocatedAtParagraph(const std::string& regAsmPath) {
  return "ESRIRegAsm.exe located at:" + kCrLf + kArrow + regAsmPath + kCrLf + kCrLf;
}

std::string ToolNotFoundText() {
  return "Failed to find ESRI Assembly Registry tool 'ESRIRegAsm.exe'!" + kCrLf + kCrLf +
         "Operation cancelled...";
}

std::string SuccessSection(const std::string& createdList, const std::string& richTextAlert) {
  return "------< BATCH FILES SUCCESSFULLY CREATED >--------------------------------" + kCrLf +
         kCrLf + createdList +
         "If using Windows XP, you should be able to register and unregister the tools "
         "simply by double-clicking on the batch files listed above.  If using Windows Vista or "
         "Windows 7, you must right-click on the batch file and select 'Run as Administrator'." +
         richTextAlert + kCrLf + kCrLf +
         "------< NOTES >--------------------------------------------------------------------" +
         kCrLf + kCrLf;
}

std::string FailureSection(const std::string& body) {
  return "------< BATCH FILES FAILURE >--------------------------------" + kCrLf + kCrLf + body +
         kCrLf + "Unable to find any Quorvane extensions to create batch files for!" + kCrLf;
}

std::string VersionBanner(const AppVersion& version) {
  return "------< Tarvic v. " + VersionText(version) +
         ">--------------------------------------------------------------------";
}

}  // namespace tarvic
