#pragma once

// How the program's windows take the show command its starter gave (wWinMain's nCmdShow).
namespace tarvic::show {

// Windows' own numbers (SW_...), which this layer cannot include.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kMinimize = 6;
inline constexpr int kShowMinNoActive = 7;

// Taken once, as the program starts. A minimised start stays minimised. Every other command
// shows the window as designed: hidden would leave a run that waits for its window with no
// window to close, and maximised would stretch a fixed layout. Forced minimising (11) is meant
// for a hung program's windows from another thread, not for a start.
constexpr int MappedShowCommand(int starterCommand) {
  switch (starterCommand) {
    case kShowMinimized:
    case kMinimize:
    case kShowMinNoActive:
      return starterCommand;
  }
  return kShowNormal;
}

// A start that asked not to be activated does not take the foreground.
constexpr bool TakesForeground(int command) {
  return command != kShowMinNoActive;
}

struct WindowState {
  bool visible, iconic, zoomed;
};

// Whether a window shows as `command` (a mapped one) asks. After a window's first show the
// system may have put the starter's command in its place; where it did, it is shown once more.
constexpr bool ShowsAs(int command, WindowState state) {
  const bool minimised = command != kShowNormal;
  return state.visible && state.iconic == minimised && !state.zoomed;
}

}  // namespace tarvic::show
