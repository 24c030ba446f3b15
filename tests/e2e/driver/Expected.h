#pragma once

#include <string>
#include <vector>

// The texts the program must show, put together here from the product's fixed wording, so
// that a change of a single blank or line break in the program shows up as a failure.

inline constexpr const char* kCrLf = "\r\n";

struct Row {
  std::string title, dll, reg, registerBat, unregisterBat;
};
// Catalogue rows the scenarios use, by their number in the catalogue.
const Row& CatalogueRow(int number);

// Located files, as full paths, in the order the folder listing gives them.
struct Found {
  std::vector<std::string> regs, dlls;
};
// folder ends in a backslash.
Found FoundIn(const std::string& folder);

std::string RegisterLine(const std::string& tool, const std::string& folder, const Row& row);
std::string UnregisterLine(const std::string& tool, const std::string& folder, const Row& row);
// A batch file as it must be on disk: the line in the OEM code page, then CR LF.
std::string BatchFileBytes(const std::string& line);

std::string RichTextAlert(const std::string& systemFolder);

std::string SuccessReport(const std::string& tool, const std::string& folder,
                          const std::vector<int>& createdRows, const Found& found,
                          const std::string& alert = "");
std::string FailureReport(const std::string& tool, const std::string& folder, const Found& found);
std::string NotLocatedReport();

std::string LocateInstructions();
std::string ProblemFindingText(const std::string& typedPath);
inline const std::string kNotSpecifiedText = "File Location of 'ESRIRegAsm.exe' not specified...";
// Everything of an error report after its location, number and description lines.
std::string ErrorReportTail();

inline const std::string kMainTitle = "Make Installation Batch Files:";
inline const std::string kLocateTitle = " Specify Location of ESRIRegAsm.exe:";
inline const std::string kCancelledTitle = "Operation Cancelled:";
inline const std::string kProblemFindingTitle = "Problem Finding ESRIRegAsm.exe:";
inline const std::string kErrorTitle = "Problem Making Batch Files:";
