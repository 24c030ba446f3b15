#include "batch/Catalogue.h"

namespace tarvic {

const std::array<ExtensionEntry, kCatalogueSize>& ExtensionCatalogue() {
  // Every value is literal: stems differ from titles and library names on purpose.
  static const std::array<ExtensionEntry, kCatalogueSize> rows = {{
      {"Parcel Numbering Tools", "ParcelNum.dll", "ParcelNum.reg", "Register_Parcel_Numbering.bat",
       "Unregister_Parcel_Numbering.bat"},
      {"Survey Point Import", "PointImport.dll", "PointImport.reg",
       "Register_Survey_Point_Import.bat", "Unregister_Survey_Point_Import.bat"},
      {"Field Crew Scheduler", "Scheduler.dll", "CrewRoster.reg", "Register_Quorvane_Tools.bat",
       "Unregister_Quorvane_Tools.bat"},
      {"Road Centreline Checker", "road_checker.dll", "road_checker.reg",
       "Register_Road_Checker.bat", "Unregister_Road_Checker.bat"},
      {"Well Log Viewer", "WellLogs.dll", "WellLogs.reg", "Register_WL_View_Tools.bat",
       "Unregister_WL_View_Tools.bat"},
      {"Noise Buffer Tools", "NoiseBuffer.dll", "Ovel_Setup.reg", "Register_Noise_Buffer_Tools.bat",
       "Unregister_Noise_Buffer_Tools.bat"},
      {"Snow Depth Gridder", "SnowGrid.dll", "SnowGrid.reg", "Register_Snow_Depth_SG.bat",
       "Unregister_Snow_Depth_SG.bat"},
      {"Bridge Index", "Bridge_data2.dll", "Span2.reg", "Register_Bridge_Index.bat",
       "Unregister_Bridge_Index.bat"},
      {"Pellmar Label Grid", "PellmarGrid.dll", "PellmarGrid.reg",
       "Register_Pellmar_Label_Grid.bat", "Unregister_Pellmar_Label_Grid.bat"},
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
  }};
  return rows;
}

}  // namespace tarvic
