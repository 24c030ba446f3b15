#include "batch/RichTextCheck.h"

#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

std::string RichTextAlertText(const std::string& systemFolder) {
  return kCrLf + kCrLf +
         "------< ALERT >--------------------------------------------------------------------" +
         kCrLf + kCrLf +
         "This tool did not find the Windows file RICHTX32.OCX in the expected folder:" + kCrLf +
         kArrow + systemFolder + "richtx32.ocx" + kCrLf + kCrLf +
         "Windows 7 does not automatically include this file, so you may need to install and "
         "register it manually to prevent the Quorvane ArcGIS tools from crashing.  Please refer "
         "to the manual for instructions on how to manually install and register the RICHTX32.OCX "
         "file.";
}

std::string CheckRichTextControl(Host& host) {
  std::string windowsFolder = host.Environ("WinDir");
  if (windowsFolder.empty() || windowsFolder.back() != '\\') windowsFolder += '\\';
  const std::string systemFolder = host.Dir(windowsFolder + "syswow64\\").empty()
                                       ? windowsFolder + "system32\\"
                                       : windowsFolder + "syswow64\\";
  const bool found = !host.Dir(systemFolder + "RICHTX32.ocx").empty();
  return found ? std::string() : RichTextAlertText(systemFolder);
}

}  // namespace tarvic
