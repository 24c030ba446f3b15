#include <gtest/gtest.h>

#include "Machine.h"
#include "MemoryHost.h"
#include "batch/FolderScan.h"

namespace tarvic::test {
namespace {

TEST(FolderScan, CollectsRegAndDllInListingOrderWithTheirCase) {
  MemoryHost host;
  host.files.AddFile(kFolder + "b.REG");
  host.files.AddFile(kFolder + "a.Dll");
  host.files.AddFile(kFolder + "x.dll.bak");
  host.files.AddFile(kFolder + "x.regx");
  host.files.AddFile(kFolder + "Z.reg");
  host.files.AddFile(kFolder + "h.dll", "", attr::kHidden);
  host.files.AddFile(kFolder + "s.reg", "", attr::kSystem);
  host.files.AddFolder(kFolder + "Sub.dll");
  host.files.AddFile(kFolder + "Sub.dll\\inner.dll");
  host.files.AddFile(kFolder + "r.dll", "", attr::kReadOnly);
  host.files.AddFile(kFolder + "notes.txt");

  const FolderScan scan = ScanProgramFolder(host);
  EXPECT_EQ(scan.FoundRegs, (std::vector<std::string>{"b.REG", "Z.reg"}));
  EXPECT_EQ(scan.FoundDlls, (std::vector<std::string>{"a.Dll", "r.dll"}));
  EXPECT_EQ(FoundFilesParagraphs(scan),
            "Found 2 *.reg files in C:\\Ext\\...\r\n"
            "  --> C:\\Ext\\b.REG\r\n"
            "  --> C:\\Ext\\Z.reg\r\n"
            "\r\n"
            "Found 2 *.dll files in C:\\Ext\\...\r\n"
            "  --> C:\\Ext\\a.Dll\r\n"
            "  --> C:\\Ext\\r.dll\r\n");
}

TEST(FolderScan, EmptyFolderCountsZeroAndKeepsTheBlankLine) {
  MemoryHost host;
  host.files.AddFolder(kFolder);
  EXPECT_EQ(FoundFilesParagraphs(ScanProgramFolder(host)),
            "Found 0 *.reg files in C:\\Ext\\...\r\n\r\nFound 0 *.dll files in C:\\Ext\\...\r\n");
}

TEST(FolderScan, DriveRootKeepsItsSingleBackslash) {
  MemoryHost host;
  host.appPath = "C:\\";
  host.files.AddFile("C:\\A.reg");
  const FolderScan scan = ScanProgramFolder(host);
  EXPECT_EQ(scan.ProgramFolder, "C:\\");
  EXPECT_EQ(FoundFilesParagraphs(scan),
            "Found 1 *.reg files in C:\\...\r\n  --> C:\\A.reg\r\n\r\n"
            "Found 0 *.dll files in C:\\...\r\n");
}

}  // namespace
}  // namespace tarvic::test
