#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FakeViews.h"
#include "MemoryHost.h"
#include "app/Application.h"
#include "app/Channels.h"
#include "ui/frmBatch.h"

namespace tarvic::test {

inline const std::string kNl = "\r\n", kFolder = "C:\\Ext\\", kBom = "\xEF\xBB\xBF";
inline const std::string kHead =
    "\r\n\r\n------< REGISTRATION >" + std::string(61, '-') + "\r\n\r\n";
inline const std::string kFirstCandidate =
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
// Stated here only: a wrong digit in the build's version fails every report and log comparison.
inline const std::string kVersionShown = "1.0.39";
inline const std::string kVersionBanner =
    "------< Tarvic v. " + kVersionShown + ">" + std::string(68, '-');

// An error report as a log holds it; a quiet run's leaves out the two lines on the clipboard.
inline std::string Report(const std::string& at, const std::string& error, bool quiet) {
  return at + "\r\nTarvic_Kit: v. " + kVersionShown + "\r\nError Number = " + error +
         "\r\n\r\nIf using Windows Vista or Windows 7, did you right-click and choose 'Run as "
         "Administrator'?\r\n\r\n" +
         (quiet ? "" : "This error message has been copied to your Clipboard.\r\n") +
         "Please contact " TARVIC_SUPPORT_NAME " [" TARVIC_SUPPORT_EMAIL
         "] if you have problems with this tool." +
         (quiet ? "" : "\r\nUse [Control]-V to paste this error information into your email.");
}
// The catalogue as users know it, in order: title, library, script, stem of its batch files.
struct Row {
  const char *title, *dll, *reg, *stem;
};
inline const std::vector<Row> kCatalogue = {
    {"Parcel Numbering Tools", "ParcelNum.dll", "ParcelNum.reg", "Parcel_Numbering"},
    {"Survey Point Import", "PointImport.dll", "PointImport.reg", "Survey_Point_Import"},
    {"Field Crew Scheduler", "Scheduler.dll", "CrewRoster.reg", "Quorvane_Tools"},
    {"Road Centreline Checker", "road_checker.dll", "road_checker.reg", "Road_Checker"},
    {"Well Log Viewer", "WellLogs.dll", "WellLogs.reg", "WL_View_Tools"},
    {"Noise Buffer Tools", "NoiseBuffer.dll", "Ovel_Setup.reg", "Noise_Buffer_Tools"},
    {"Snow Depth Gridder", "SnowGrid.dll", "SnowGrid.reg", "Snow_Depth_SG"},
    {"Bridge Index", "Bridge_data2.dll", "Span2.reg", "Bridge_Index"},
    {"Pellmar Label Grid", "PellmarGrid.dll", "PellmarGrid.reg", "Pellmar_Label_Grid"},
    {"Pipeline Valve Tools", "PVT_Valves.dll", "PVT_Valves.reg", "PVT_Tools"},
    {"Table Joiner", "TJ_Joiner.dll", "TJ_Joiner.reg", "Table_Joiner"},
    {"HELIX Tools", "HelixQuery.dll", "HelixQuery.reg", "HELIX_Tools"},
    {"Tide Gauge Charts", "TideCharts.dll", "TideCharts.reg", "Tide_Gauge_Tools"},
    {"Bus Stop Spacing in Districts", "QvStopSpacing.dll", "QvStopSpacing.reg",
     "Stop_Spacing_Tool"},
    {"Fence Line Audit", "FenceAudit.dll", "FenceAudit.reg", "Fence_Audit_Tool"},
    {"Pellmar District Summary", "PellmarDist.dll", "PellmarDist.reg", "Pellmar_Summary_Tool"},
    {"Estmere Survey Match Layers", "Estmere_Match.dll", "Estmere_Match.reg", "Match_Layers_Tool"},
    {"Pellmar Kiosk Placement", "Pellmar_KioskGap.dll", "Pellmar_KioskGap.reg",
     "Pellmar_Kiosk_Placement_Tool"},
    {"Quillon Drainage Ditches", "Quillon.dll", "Quillon.reg", "Quillon_Ditch_Tool"},
    {"Sun Path Charts", "SunPath.dll", "SunPath.reg", "Sun_Path_Tool"},
    {"Bus Stop Spacing From Text File", "QvStopImport.dll", "QvStopImport.reg",
     "Text_File_Stop_Tool"},
    {"Marrowby Orchard Yield Mapper", "MRB_Orchard.dll", "MRB_Orchard.reg",
     "Marrowby_Orchard_Tool"},
};

struct ScreenChannels {
  MemoryHost& host;
  FakeWindowFactory desktop{};
  RunLog log{host, std::nullopt};
  ScreenErrorSink errors{host, log};
  ScreenBoxes boxes{host};
  DialogLocatePrompt locate{host, errors, desktop};
  RunChannels channels{locate, errors, boxes};
};

// The program started once on a machine without syswow64: the program's folder C:\Ext, the
// rich-text control in system32 and the tool at the first fixed place.
class RunTest : public ::testing::Test {
 protected:
  RunTest() {
    host.environment["WinDir"] = "C:\\Windows";
    host.AddFile("C:\\Windows\\system32\\RICHTX32.OCX");
    host.AddFile(kFirstCandidate);
    form.Attach(&view);
  }
  void AddRow(int number) {  // numbered from 1, as users see it
    const Row& row = kCatalogue.at(number - 1);
    host.AddFile(kFolder + row.dll);
    host.AddFile(kFolder + row.reg);
  }
  int Start(std::vector<std::string> arguments, bool console = true) {
    host.arguments = std::move(arguments);
    host.hasConsole = console;
    return RunApplication(host, desktop);
  }
  std::string Run() { return form.Form_Load(), view.reportText; }

  MemoryHost host;
  FakeMainWindowView view;
  ScreenChannels screen{host};
  FakeWindowFactory& desktop = screen.desktop;
  frmBatch form{host, screen.channels};
};

// The suites, by what their tests promise; each starts the program as RunTest sets it up.
struct CommandLineRun : RunTest {};   // the usage, and what a bad line does
struct LogAndExitCode : RunTest {};   // what the log holds and the run ends with
struct BatchFileRun : RunTest {};     // the batch files and the report that lists them
struct RegistrationRun : RunTest {};  // the tool's calls, and when none is made
struct LocateRun : RunTest {};        // finding the tool when it is not at a fixed place
struct OneRunPerFolder : RunTest {};  // the lock a run holds on its folder
struct SessionEndRun : RunTest {};    // a sign-out or shutdown during the run

}  // namespace tarvic::test
