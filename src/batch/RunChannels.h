#pragma once

#include <string>

#include "errors/ErrorSink.h"

namespace tarvic {

// Asks where ESRIRegAsm.exe is, once the fixed places failed: the path given, or "Cancel". At a
// screen this is the locate dialog; in a quiet run nobody is asked and the answer is "Cancel".
class LocatePrompt {
 public:
  virtual ~LocatePrompt() = default;
  virtual std::string AskToolLocation() = 0;
};

// The run's other message boxes (the problem box, the give-up box, the usage). Returns the button
// pressed (msgbox::kAnswerOk, ...); a quiet run shows nothing and answers so that nothing more is
// asked.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual int Show(const std::string& prompt, int style, const std::string& title) = 0;
};

// Everything a run says to, or asks of, the person at the screen.
struct RunChannels {
  LocatePrompt& locate;
  ErrorSink& errors;
  MessageBoxes& boxes;
};

}  // namespace tarvic
