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

inline const std::string kNl = "\r\n", kFolder = "C:\\Ext\\";
inline const std::string kFirstCandidate =
    "C:\\Program Files (x86)\\Common Files\\ArcGIS\\bin\\ESRIRegAsm.exe";
// The version as reports show it (major.minor.revision), stated here only: a wrong digit in the
// build's version fails every report and log comparison.
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
// The catalogue as users and the README know it, in its order: title, library, registry
// script, register and unregister batch files.
struct Row {
  const char *title, *dll, *reg, *registerBat, *unregisterBat;
};
inline const std::vector<Row> kCatalogue = {
    {"Parcel Numbering Tools", "ParcelNum.dll", "ParcelNum.reg", "Register_Parcel_Numbering.bat",
     "Unregister_Parcel_Numbering.bat"},
    {"Survey Point Import", "PointImport.dll", "PointImport.reg",
     "Register_Survey_Point_Import.bat", "Unregister_Survey_Point_Import.bat"},
    {"Field Crew Scheduler", "Scheduler.dll", "CrewRoster.reg", "Register_Quorvane_Tools.bat",
     "Unregister_Quorvane_Tools.bat"},
    {"Road Centreline Checker", "road_checker.dll", "road_checker.reg", "Register_Road_Checker.bat",
     "Unregister_Road_Checker.bat"},
    {"Well Log Viewer", "WellLogs.dll", "WellLogs.reg", "Register_WL_View_Tools.bat",
     "Unregister_WL_View_Tools.bat"},
    {"Noise Buffer Tools", "NoiseBuffer.dll", "Ovel_Setup.reg", "Register_Noise_Buffer_Tools.bat",
     "Unregister_Noise_Buffer_Tools.bat"},
    {"Snow Depth Gridder", "SnowGrid.dll", "SnowGrid.reg", "Register_Snow_Depth_SG.bat",
     "Unregister_Snow_Depth_SG.bat"},
    {"Bridge Index", "Bridge_data2.dll", "Span2.reg", "Register_Bridge_Index.bat",
     "Unregister_Bridge_Index.bat"},
    {"Pellmar Label Grid", "PellmarGrid.dll", "PellmarGrid.reg", "Register_Pellmar_Label_Grid.bat",
     "Unregister_Pellmar_Label_Grid.bat"},
    {"Pipeline Valve Tools", "PVT_Valves.dll", "PVT_Valves.reg", "Register_PVT_Tools.bat",
     "Unregister_PVT_Tools.bat"},
    {"Table Joiner", "TJ_Joiner.dll", "TJ_Joiner.reg", "Register_Table_Joiner.bat",
     "Unregister_Table_Joiner.bat"},
    {"HELIX Tools", "HelixQuery.dll", "HelixQuery.reg", "Register_HELIX_Tools.bat",
     "Unregister_HELIX_Tools.bat"},
    {"Tide Gauge Charts", "TideCharts.dll", "TideCharts.reg", "Register_Tide_Gauge_Tools.bat",
     "Unregister_Tide_Gauge_Tools.bat"},
    {"Bus Stop Spacing in Districts", "QvStopSpacing.dll", "QvStopSpacing.reg",
     "Register_Stop_Spacing_Tool.bat", "Unregister_Stop_Spacing_Tool.bat"},
    {"Fence Line Audit", "FenceAudit.dll", "FenceAudit.reg", "Register_Fence_Audit_Tool.bat",
     "Unregister_Fence_Audit_Tool.bat"},
    {"Pellmar District Summary", "PellmarDist.dll", "PellmarDist.reg",
     "Register_Pellmar_Summary_Tool.bat", "Unregister_Pellmar_Summary_Tool.bat"},
    {"Estmere Survey Match Layers", "Estmere_Match.dll", "Estmere_Match.reg",
     "Register_Match_Layers_Tool.bat", "Unregister_Match_Layers_Tool.bat"},
    {"Pellmar Kiosk Placement", "Pellmar_KioskGap.dll", "Pellmar_KioskGap.reg",
     "Register_Pellmar_Kiosk_Placement_Tool.bat", "Unregister_Pellmar_Kiosk_Placement_Tool.bat"},
    {"Quillon Drainage Ditches", "Quillon.dll", "Quillon.reg", "Register_Quillon_Ditch_Tool.bat",
     "Unregister_Quillon_Ditch_Tool.bat"},
    {"Sun Path Charts", "SunPath.dll", "SunPath.reg", "Register_Sun_Path_Tool.bat",
     "Unregister_Sun_Path_Tool.bat"},
    {"Bus Stop Spacing From Text File", "QvStopImport.dll", "QvStopImport.reg",
     "Register_Text_File_Stop_Tool.bat", "Unregister_Text_File_Stop_Tool.bat"},
    {"Marrowby Orchard Yield Mapper", "MRB_Orchard.dll", "MRB_Orchard.reg",
     "Register_Marrowby_Orchard_Tool.bat", "Unregister_Marrowby_Orchard_Tool.bat"},
};

// The channels of a run at a screen, as the application makes them: boxes and the clipboard
// on the host, the locate dialog on a fake desktop.
struct ScreenChannels {
  explicit ScreenChannels(MemoryHost& host)
      : log(host, std::nullopt),
        errors(host, log, false),
        boxes(host, false),
        locate(host, errors, &desktop) {}
  FakeDesktop desktop;
  RunLog log;
  RunErrorSink errors;
  RunMessageBoxes boxes;
  RunLocatePrompt locate;
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
  // Starts the program with these arguments as its entry point does; returns its exit code.
  int Start(std::vector<std::string> arguments, bool console = true) {
    host.arguments = std::move(arguments);
    host.hasConsole = console;
    return RunApplication(host, desktop);
  }
  // The load handler alone, on a window at the screen; returns the report box.
  std::string Run() {
    form.Form_Load();
    return view.reportText;
  }

  MemoryHost host;
  FakeMainWindowView view;
  ScreenChannels screen{host};
  FakeDesktop& desktop = screen.desktop;
  frmBatch form{host, screen.channels};
};

}  // namespace tarvic::test
