#pragma once

#include <string>

namespace tarvic {

class Host;

// Looks for RICHTX32.OCX in the Windows system folder (syswow64 when it holds files, else
// system32). Returns the report's alert block, or "" when the control is present.
// A failing listing throws to the caller's trap.
std::string CheckRichTextControl(Host& host);

std::string RichTextAlertText(const std::string& systemFolder);

}  // namespace tarvic
