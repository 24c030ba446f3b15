#pragma once

namespace tarvic::win32 {

// The program runs from a folder full of other people's DLLs (a download or extension folder),
// sometimes elevated: from here on, DLLs loaded by name come from the system folder only.
// Call it first thing at start, before anything can load a library.
void RestrictDllSearchToSystemFolder();

// Keeps the mode flags the process already has and adds those that turn a failing probe of an
// empty removable or optical drive into a silent miss instead of a modal system box.
void SilenceFailingDriveProbes();

}  // namespace tarvic::win32
