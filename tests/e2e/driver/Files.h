#pragma once

#include <optional>
#include <string>
#include <vector>

// File-system chores of the scenarios. Paths are Windows paths in UTF-8.
bool Exists(const std::string& path);
// Creates every missing folder of the path; returns the ones it created, outermost first.
std::vector<std::string> MakeDirs(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
// The bytes of a file, or a marker that cannot be mistaken for them; for readable comparisons.
std::string FileText(const std::string& path);
bool CopyFileTo(const std::string& from, const std::string& to);
void SetAttributes(const std::string& path, unsigned long attributes);
// Deletes a file or a whole folder, whatever attributes its entries carry.
void RemoveTree(const std::string& path);
// The names a listing of the folder returns for normal files (no folders, hidden or system
// files), in the listing's own order.
std::vector<std::string> ListedFiles(const std::string& folder);
// Names of the files whose name starts with the prefix, e.g. every "Register_" batch file.
std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix);
