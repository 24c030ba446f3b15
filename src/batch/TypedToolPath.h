#pragma once

#include <string>

namespace tarvic {

class Host;

// Whether a path the user gave names the tool in a way every batch file can use: a fully
// qualified file name (X:\... or \\server\share\...) holding no character that a file name
// cannot hold. Decided from the text alone, before any listing.
bool IsUsableToolPathShape(const std::string& path);

// The direct check of a typed path: a usable shape that names one existing normal file.
// Throws when the listing itself fails.
bool TypedToolPathExists(Host& host, const std::string& path);

}  // namespace tarvic
