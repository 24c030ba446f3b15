#pragma once

#include <string>

#include "host/AppVersion.h"

namespace tarvic {

std::string LocatedAtParagraph(const std::string& regAsmPath);
std::string ToolNotFoundText();
std::string SuccessSection(const std::string& createdList, const std::string& richTextAlert);
std::string FailureSection(const std::string& body);
// The last line of every report; it has no line break.
std::string VersionBanner(const AppVersion& version);

}  // namespace tarvic
