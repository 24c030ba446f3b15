#pragma once

#include <cstdint>
#include <string>

namespace tarvic {

// One failure as the error reporter hands it on: where it happened, its number and text.
struct ErrorReport {
  std::string location;
  std::int32_t number = 0;
  std::string description;
};

// Where every error report of a run goes. The run decides what a report does: shown, copied and
// logged at a screen, only logged when nobody is there.
class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  // Never throws: a report must not raise a second failure in the trap that made it.
  virtual void Report(const ErrorReport& report) noexcept = 0;
};

}  // namespace tarvic
