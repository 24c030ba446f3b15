#include "batch/BatchRun.h"

#include "batch/BatchFileWriter.h"
#include "batch/Catalogue.h"
#include "batch/FolderScan.h"
#include "batch/RichTextCheck.h"
#include "batch/RunReport.h"
#include "batch/ToolLocator.h"
#include "host/Host.h"
#include "text/TextLines.h"

namespace tarvic {

std::string RunBatch(Host& host, RunChannels& channels, const DirProbe& returnDirValue,
                     ErrorTrap& trap, const RunOptions& options, RunOutcome& outcome) {
  trap.At(200);
  const FolderScan scan = ScanProgramFolder(host);
  trap.At(210);
  std::string reportText = FoundFilesParagraphs(scan);

  const ToolLocation tool = LocateTool(host, channels, returnDirValue, trap, options.toolPath);
  outcome.toolMissing = !tool.ToolLocated;
  outcome.regAsmPath = tool.RegAsmPath;
  outcome.programFolder = scan.ProgramFolder;
  outcome.scannedFiles = scan.FoundDllPaths;
  outcome.scannedFiles.insert(outcome.scannedFiles.end(), scan.FoundRegPaths.begin(),
                              scan.FoundRegPaths.end());

  trap.At(500);
  const std::string richTextAlert = CheckRichTextControl(host);

  trap.At(510);
  if (!tool.ToolLocated) {
    reportText = ToolNotFoundText();
  } else {
    trap.At(520);
    reportText = LocatedAtParagraph(tool.RegAsmPath) + reportText;

    trap.At(530);
    std::string createdList;
    bool anyCreated = false;
    for (const ExtensionEntry& entry : ExtensionCatalogue()) {
      trap.At(540);
      std::string entryText;
      bool found = false;
      const bool created =
          MakeBatchFiles(host, channels.errors, entry, tool.RegAsmPath, scan.FoundDlls,
                         scan.FoundRegs, options.silentTool, entryText, found);
      trap.At(550);
      if (created) createdList += entryText + kCrLf;
      // A batch file gone after its write (an antivirus took it, say) is a failure, and its
      // extension is not registered; the report tells it as it always did.
      if (created && found) outcome.written.push_back(entry);
      if (created && !found) outcome.missingAfterWrite = true;
      anyCreated = anyCreated || created;
    }

    trap.At(560);
    outcome.anyCreated = anyCreated;
    reportText = anyCreated ? SuccessSection(createdList, richTextAlert) + reportText
                            : FailureSection(reportText);
  }

  trap.At(570);
  return reportText + kCrLf + kCrLf + VersionBanner(host.Version());
}

}  // namespace tarvic
