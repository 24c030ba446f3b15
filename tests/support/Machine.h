#pragma once

#include <string>
#include <vector>

#include "MemoryHost.h"
#include "batch/Catalogue.h"

namespace tarvic::test {

inline const std::string kFolder = "C:\\Ext\\";
inline const std::string kFirstCandidate =
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";

// A machine without syswow64: the program in C:\Ext holding only itself, WinDir C:\Windows with the
// rich-text control in system32, and the tool at the first fixed place.
void SetUpMachine(MemoryHost& host);

// The catalogue row numbered as users see it, from 1.
const ExtensionEntry& Row(int number);
// Puts a row's library and registry script into the program folder.
void AddRow(MemoryHost& host, int number);

// The text split at CR LF; a text ending in CR LF ends with an empty line.
std::vector<std::string> Lines(const std::string& text);

}  // namespace tarvic::test
